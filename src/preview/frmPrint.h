// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the preview: the mixed colour as a swatch of the chosen size,
// labelled with its amounts of red, green and blue.
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/MenuItem.h"
#include "platform/forms/PictureBox.h"

#include <QPointer>

class PreviewLinks;
class SwatchOutput;

struct PreviewServices
{
    PreviewLinks &links;
    SwatchOutput &output;
};

class frmPrint final : public Form
{
    Q_OBJECT

  public:
    frmPrint(const FormContext &context, PreviewServices services);

    // Redraws the swatch from the main window's colour and amounts and the
    // print-size dialog's sizes, as they are now.
    void DrawSwatch();
    // The title bar's text ("Preview Color" until something replaces it).
    using Form::setCaption;
    // While a print waits for the printing system, the commands that would
    // change or leave the swatch it prints (print, change size, reset the
    // colour, save) take nothing; Exit, Close and Refresh still work.
    void setWaitingForPrinter(bool waiting);

    // The swatch; its Image() is what the window shows, prints and saves.
    PictureBox &picColor = add<PictureBox>(QStringLiteral("picColor"));
    PictureBox &picToolbar = add<PictureBox>(QStringLiteral("picToolbar"));
    CommandButton &cmdClose = add<CommandButton>(QStringLiteral("cmdClose"), &picToolbar);
    CommandButton &cmdChangeColor =
        add<CommandButton>(QStringLiteral("cmdChangeColor"), &picToolbar);
    CommandButton &cmdResize = add<CommandButton>(QStringLiteral("cmdResize"), &picToolbar);
    CommandButton &cmdPrint = add<CommandButton>(QStringLiteral("cmdPrint"), &picToolbar);
    CommandButton &cmdRefresh = add<CommandButton>(QStringLiteral("cmdRefresh"), &picToolbar);
    CommandButton &cmdSave = add<CommandButton>(QStringLiteral("cmdSave"), &picToolbar);
    Label &lblHelp = add<Label>(QStringLiteral("lblHelp"), &picToolbar);
    MenuItem &mnuFile = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    MenuItem &mnuReset =
        addMenuItem(mnuFile, QStringLiteral("mnuReset"), QStringLiteral("&Reset Color"));
    MenuItem &mnuPrintSetUp =
        addMenuItem(mnuFile, QStringLiteral("mnuPrintSetUp"), QStringLiteral("Change Size"));
    MenuItem &mnuSep2 = addMenuItem(mnuFile, QStringLiteral("mnuSep2"), QStringLiteral("-"));
    MenuItem &mnuPrint =
        addMenuItem(mnuFile, QStringLiteral("mnuPrint"), QStringLiteral("&Print..."));
    MenuItem &mnuSep1 = addMenuItem(mnuFile, QStringLiteral("mnuSep1"), QStringLiteral("-"));
    MenuItem &mnuClose = addMenuItem(mnuFile, QStringLiteral("mnuClose"), QStringLiteral("&Close"));
    MenuItem &mnuRefresh = addMenuCommand(QStringLiteral("mnuRefresh"), QStringLiteral("Refresh"));

  protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_MouseMove(Qt::MouseButtons, QPointF) override;

  private:
    void designWindow();
    void designSwatch();
    void designToolbar();
    void connectHandlers();
    void resetColor();
    void changeSize();
    void endProgram();

    PreviewServices services_;
    QPointer<QWidget> focusBeforeWait_;
};
