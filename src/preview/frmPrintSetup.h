// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the print-size dialog: how many units wide and high the swatch
// is. Its two lists are the only store of the swatch's size.
#pragma once

#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"

class BeepService;
class MessageBoxService;
class PreviewLinks;

struct PrintSetupServices
{
    MessageBoxService &messages;
    BeepService &beep;
    PreviewLinks &links;
};

class frmPrintSetup final : public Form
{
    Q_OBJECT

  public:
    frmPrintSetup(const FormContext &context, PrintSetupServices services);

    Label &lblSelSize = add<Label>(QStringLiteral("lblSelSize"));
    Label &lblHeight = add<Label>(QStringLiteral("lblHeight"));
    ComboBox &txtHeight = add<ComboBox>(QStringLiteral("txtHeight"));
    Label &Label2 = add<Label>(QStringLiteral("Label2"));
    Label &lblWidth = add<Label>(QStringLiteral("lblWidth"));
    ComboBox &txtWidth = add<ComboBox>(QStringLiteral("txtWidth"));
    Label &Label3 = add<Label>(QStringLiteral("Label3"));
    CommandButton &cmdOK = add<CommandButton>(QStringLiteral("cmdOK"));

  protected:
    void Form_Load() override;

  private:
    void designWindow();
    void designControls();
    void connectHandlers();
    void keyFilter(int &keyAscii);
    void cmdOK_Click();
    // Shows the range message and gives the list the focus back.
    void refuse(ComboBox &list, const QString &message);

    PrintSetupServices services_;
};
