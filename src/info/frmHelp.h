// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the help window: the program's instructions, read-only.
#pragma once

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"

class frmHelp final : public Form
{
    Q_OBJECT

  public:
    explicit frmHelp(const FormContext &context);

    TextBox &txtHelp = add<TextBox>(QStringLiteral("txtHelp"), TextLines::Multi);
    // Covered by the text; it carries the Esc key.
    CommandButton &cmdClose = add<CommandButton>(QStringLiteral("cmdClose"));

  protected:
    void Form_Load() override;
    void Form_Resize() override;
};
