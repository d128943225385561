// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the current colour and the number boxes' shared helpers.
#include "shared/modSetColor.h"

#include "platform/forms/Form.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/TextBox.h"

ColorValue CurrentColor = 0;

void SetCurrentColor(const ScrollBar &red, const ScrollBar &green, const ScrollBar &blue,
                     PictureBox &sample)
{
    CurrentColor = RGB(red.Value(), green.Value(), blue.Value());
    sample.setBackColor(CurrentColor);
}

void SelectActiveText(const Form &form)
{
    if (auto *box = dynamic_cast<TextBox *>(form.ActiveControl())) {
        box->selectAll();
    }
}
