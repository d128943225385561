// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the print-size dialog.
#include "preview/frmPrintSetup.h"

#include "layout/modResize.h"
#include "platform/core/SystemColor.h"
#include "platform/services/BeepService.h"
#include "platform/services/MessageBoxService.h"
#include "preview/PreviewIcons.h"
#include "preview/PreviewLinks.h"
#include "shared/modSetColor.h"

namespace {

constexpr int MaxHeight = 9;
constexpr int MaxWidth = 7;
const QString StartSize = QStringLiteral("2");

// The keys a size list takes: digits, Enter, Backspace, Tab and line feed.
bool isSizeKey(int keyAscii)
{
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '\r' || keyAscii == '\b' ||
           keyAscii == '\t' || keyAscii == '\n';
}

// Gives a pick-only list the text of one of its items by selecting it.
void selectText(ComboBox &list, const QString &text)
{
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i) == text) {
            list.setListIndex(i);
            return;
        }
    }
}

} // namespace

frmPrintSetup::frmPrintSetup(const FormContext &context, PrintSetupServices services)
    : Form(context, QStringLiteral("frmPrintSetup")), services_(services)
{
    designWindow();
    designControls();
    connectHandlers();
}

void frmPrintSetup::designWindow()
{
    setCaption(QStringLiteral("Print Size"));
    setFixedBorder(true);
    // A dialog: its own frame, and no entry of its own in the task bar.
    setShowInTaskbar(false);
    setClientSize(4170, 1830);
    setBackColor(SystemColor(SystemColorIndex::ScrollBar));
    setStartUpPosition(StartUpPosition::CenterOwner);
    setDefaultButton(&cmdOK);
    setWindowIcon(printSizeWindowIcon(pictures()));
}

void frmPrintSetup::designControls()
{
    struct LabelDesign
    {
        Label &label;
        const char *caption;
        TwipsRect box;
        Qt::Alignment alignment;
        int tab;
    };
    for (const LabelDesign &d : {
             LabelDesign{lblSelSize,
                         "Pick how large you want to print your color?",
                         {180, 30, 3795, 240},
                         Qt::AlignLeft,
                         0},
             LabelDesign{lblHeight, "Height", {300, 570, 555, 240}, Qt::AlignRight, 1},
             LabelDesign{Label2, "(1-9\")", {1890, 600, 495, 240}, Qt::AlignHCenter, 3},
             LabelDesign{lblWidth, "Width", {270, 1245, 510, 240}, Qt::AlignRight, 4},
             LabelDesign{Label3, "(1-7\")", {1935, 1275, 495, 240}, Qt::AlignHCenter, 6},
         }) {
        d.label.setFontName(QStringLiteral("Arial"));
        d.label.setFontSize(9.75);
        d.label.Move(d.box);
        d.label.setCaption(QString::fromLatin1(d.caption));
        d.label.setAlignment(d.alignment | Qt::AlignTop);
        d.label.setAutoSize(true);
        d.label.setTabIndex(d.tab);
    }
    txtHeight.Move({930, 510, 945, 390});
    txtHeight.setTabIndex(2);
    txtWidth.Move({930, 1200, 945, 390});
    txtWidth.setTabIndex(5);
    for (ComboBox *list : {&txtHeight, &txtWidth}) {
        list->setSorted(false);
        list->setFontName(QStringLiteral("Arial"));
        list->setFontSize(12);
    }
    // A list shows only its value: screen readers take its name from its label.
    txtHeight.setAccessibleName(QStringLiteral("Height"));
    txtWidth.setAccessibleName(QStringLiteral("Width"));
    lblHeight.setBuddy(txtHeight);
    lblWidth.setBuddy(txtWidth);

    cmdOK.setFontName(QStringLiteral("Arial"));
    cmdOK.setFontSize(9.75);
    cmdOK.Move({2880, 750, 870, 375});
    cmdOK.setCaption(QStringLiteral("&OK"));
    cmdOK.setBackColor(SystemColor(SystemColorIndex::ScrollBar));
    cmdOK.setTabIndex(7);
}

void frmPrintSetup::connectHandlers()
{
    // Getting the focus selects the text of text boxes only, which leaves
    // these lists as they are: they need no focus handler.
    for (ComboBox *list : {&txtHeight, &txtWidth}) {
        list->onKeyPress = [this](int &keyAscii) { keyFilter(keyAscii); };
    }
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void frmPrintSetup::Form_Load()
{
    lblSelSize.setLeft((ScaleWidth() - lblSelSize.Width()) / 2);
    for (int n = 1; n <= MaxHeight; ++n) {
        txtHeight.AddItem(QString::number(n));
    }
    for (int n = 1; n <= MaxWidth; ++n) {
        txtWidth.AddItem(QString::number(n));
    }
    selectText(txtHeight, StartSize);
    selectText(txtWidth, StartSize);
    ResizeForm(*this);
}

void frmPrintSetup::keyFilter(int &keyAscii)
{
    if (isSizeKey(keyAscii)) {
        return;
    }
    services_.beep.beep();
    keyAscii = 0;
}

void frmPrintSetup::cmdOK_Click()
{
    if (txtHeight.Text().isEmpty() || txtWidth.Text().isEmpty()) {
        return;
    }
    // The lists offer their own numbers only, so both texts read as numbers.
    const double height = txtHeight.Text().toDouble();
    if (!(height >= 1) || height > MaxHeight) {
        refuse(txtHeight, QStringLiteral("Please enter a number between 1 and 9"));
        return;
    }
    const double width = txtWidth.Text().toDouble();
    if (!(width >= 1) || width > MaxWidth) {
        refuse(txtWidth, QStringLiteral("Please enter a number between 1 and 7"));
        return;
    }
    hideForm();
    services_.links.showPreview();
}

void frmPrintSetup::refuse(ComboBox &list, const QString &message)
{
    services_.messages.show(
        {.text = message, .title = QString(), .icon = MsgIcon::None, .buttons = MsgButtons::OK});
    list.setFocus();
    SelectActiveText(*this);
}
