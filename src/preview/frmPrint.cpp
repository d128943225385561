// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the preview: the mixed colour as a labelled swatch.
#include "preview/frmPrint.h"

#include "layout/modResize.h"
#include "platform/core/ReadableText.h"
#include "platform/forms/ProgramForms.h"
#include "preview/PreviewIcons.h"
#include "preview/PreviewLinks.h"
#include "preview/SwatchGeometry.h"
#include "preview/SwatchOutput.h"
#include "preview/frmPrintSetup.h"

#include <QApplication>
#include <initializer_list>

namespace {

constexpr ColorValue ToolbarColor = RGB(255, 255, 192);

} // namespace

frmPrint::frmPrint(const FormContext &context, PreviewServices services)
    : Form(context, QStringLiteral("frmPrint")), services_(services)
{
    designWindow();
    designSwatch();
    designToolbar();
    connectHandlers();
}

void frmPrint::designWindow()
{
    setCaption(QStringLiteral("Preview Color"));
    setFixedBorder(false);
    setMinMaxButtons(false);
    setBackColor(RGB(255, 255, 255));
    setClientSize(10560, 7350);
    // Where the main window was: it opens centred on the screen too.
    setStartUpPosition(StartUpPosition::CenterScreen);
    setCancelButton(&cmdClose);
    setWindowIcon(previewWindowIcon(pictures()));
}

void frmPrint::designSwatch()
{
    picColor.Move({435, 4695, 3540, 1000});
    picColor.setBorderStyle(PictureBorder::Sunken3D);
    picColor.setFontName(QStringLiteral("Arial"));
    picColor.setFontSize(12);
    picColor.setAccessibleRole(AccessibleRole::Graphic);
}

void frmPrint::designToolbar()
{
    picToolbar.Move({0, 0, 10560, 600});
    picToolbar.setDockedTop(true);
    picToolbar.setBackColor(ToolbarColor);
    picToolbar.setAccessibleRole(AccessibleRole::ToolBar);

    struct ButtonDesign
    {
        CommandButton &button;
        TwipsRect box;
        const char *tip;
        const char *name; // what a screen reader says: the buttons show only pictures
        const char *picture;
        int pixels;
        double fontSize;
    };
    for (const ButtonDesign &d : {
             ButtonDesign{cmdClose, {15, 0, 1000, 600}, "Exit", "Exit", "preview-close", 24, 8.25},
             ButtonDesign{cmdChangeColor,
                          {1020, 0, 1000, 600},
                          "Reset Color",
                          "Reset Color",
                          "preview-change-color",
                          24,
                          8.25},
             ButtonDesign{cmdResize,
                          {2025, 0, 1000, 600},
                          "Resize Sample",
                          "Resize Sample",
                          "preview-resize",
                          24,
                          8.25},
             ButtonDesign{
                 cmdPrint, {3030, 0, 1000, 600}, "Print", "Print", "preview-print", 24, 12},
             ButtonDesign{cmdRefresh,
                          {4020, 0, 1000, 600},
                          "Refresh",
                          "Refresh",
                          "preview-refresh",
                          24,
                          8.25},
             ButtonDesign{cmdSave, {5010, 15, 1000, 570}, "", "Save", "preview-save", 16, 8.25},
         }) {
        // The buttons show no caption: their font matters only to the layout.
        d.button.setFontName(QStringLiteral("MS Sans Serif"));
        d.button.setFontSize(d.fontSize);
        d.button.Move(d.box);
        d.button.setBackColor(ToolbarColor);
        d.button.setToolTipText(QString::fromLatin1(d.tip));
        d.button.setAccessibleName(QString::fromLatin1(d.name));
        d.button.setPicture(toolbarIcon(pictures(), QLatin1String(d.picture), d.pixels),
                            QSize(d.pixels, d.pixels));
    }

    lblHelp.Move({6225, 15, 3900, 555});
    lblHelp.setFontName(QStringLiteral("Trebuchet MS"));
    lblHelp.setFontSize(14.25);
    lblHelp.setFontBold(true);
    lblHelp.setFontUnderline(true);
    lblHelp.setForeColor(RGB(0, 0, 255));
    lblHelp.setTransparent(false);
    lblHelp.setBackColor(ToolbarColor);
}

void frmPrint::connectHandlers()
{
    struct HelpLine
    {
        CommandButton &button;
        const char *text;
    };
    for (const HelpLine &h : {
             HelpLine{cmdClose, "Exit Program"},
             HelpLine{cmdChangeColor, "Change The Color"},
             HelpLine{cmdResize, "Change The Color Size"},
             HelpLine{cmdPrint, "Print The Color"},
             HelpLine{cmdRefresh, "Refresh Color"},
             HelpLine{cmdSave, "Save This Color to a File"},
         }) {
        const QString text = QString::fromLatin1(h.text);
        h.button.onMouseMove = [this, text](Qt::MouseButtons, QPointF) {
            lblHelp.setCaption(text);
        };
    }
    cmdClose.onClick = [this] { endProgram(); };
    cmdChangeColor.onClick = [this] { resetColor(); };
    mnuReset.onClick = [this] { resetColor(); };
    cmdResize.onClick = [this] { changeSize(); };
    mnuPrintSetUp.onClick = [this] { changeSize(); };
    cmdPrint.onClick = [this] { services_.output.PrintColor(*this); };
    mnuPrint.onClick = [this] { services_.output.PrintColor(*this); };
    cmdSave.onClick = [this] { services_.output.SaveColor(*this); };
    cmdRefresh.onClick = [this] { DrawSwatch(); };
    mnuRefresh.onClick = [this] { DrawSwatch(); };
    mnuClose.onClick = [this] { unload(); };
}

void frmPrint::Form_Load()
{
    DrawSwatch();
    ResizeForm(*this);
}

void frmPrint::Form_Activate()
{
    DrawSwatch();
}

void frmPrint::Form_Unload()
{
    // Every way of closing the preview leads back to the main window.
    services_.links.showMainWindow();
}

void frmPrint::Form_MouseMove(Qt::MouseButtons, QPointF)
{
    lblHelp.setCaption(QString());
}

void frmPrint::DrawSwatch()
{
    // The amounts are what the person takes to the store: they must read on
    // every colour, in the saved file and on paper too, whatever the theme.
    const ColorValue colour = services_.links.sampleColor();
    picColor.setBackColor(colour);
    picColor.setForeColor(readableTextOn(colour));
    frmPrintSetup &sizes = services_.links.printSetup();
    const std::optional<std::int16_t> width = sizeUnits(sizes.txtWidth.Text());
    const std::optional<std::int16_t> height = sizeUnits(sizes.txtHeight.Text());
    if (width && height) {
        const TwipsRect box = swatchBox(*width, *height, XFactor, YFactor, ScaleWidth());
        picColor.Move(box);
    }
    picColor.setCurrentX(0);
    picColor.setCurrentY(0);
    const ChannelTexts amounts = services_.links.channelTexts();
    picColor.Print(QStringLiteral("RED: ") + amounts.red);
    picColor.Print(QStringLiteral("GREEN: ") + amounts.green);
    picColor.Print(QStringLiteral("BLUE: ") + amounts.blue);
    picColor.setAccessibleName(QStringLiteral("Swatch, red %1, green %2, blue %3")
                                   .arg(amounts.red, amounts.green, amounts.blue));
    Refresh();
}

void frmPrint::setWaitingForPrinter(bool waiting)
{
    // The key a person pressed Print with goes back to Print afterwards.
    QWidget *focused = QApplication::focusWidget();
    for (Control *command :
         std::initializer_list<Control *>{&cmdPrint, &mnuPrint, &cmdResize, &mnuPrintSetUp,
                                          &cmdChangeColor, &mnuReset, &cmdSave}) {
        command->setEnabled(!waiting);
    }
    if (waiting) {
        focusBeforeWait_ = focused;
    } else if (focusBeforeWait_ && isActiveWindow()) {
        focusBeforeWait_->setFocus(Qt::OtherFocusReason);
    }
}

void frmPrint::resetColor()
{
    hideForm();
    services_.links.showMainWindow();
}

void frmPrint::changeSize()
{
    services_.links.printSetup().showModeless();
}

void frmPrint::endProgram()
{
    // Unloading the main window, always the first loaded, ends the program.
    for (const QPointer<Form> &form : programForms().inLoadOrder()) {
        if (form) {
            form->unload();
        }
    }
}
