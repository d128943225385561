// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the current colour and the number boxes' shared helpers.
#pragma once

#include "platform/core/ColorValue.h"

class Form;
class PictureBox;
class ScrollBar;

// The colour being mixed, red + 256 * green + 65536 * blue of the three
// channel scroll bars; 0 until a scroll bar first changes.
extern ColorValue CurrentColor;

// Recomposes CurrentColor from the main window's three channel scroll bars
// and shows it in its sample. It takes them rather than the main window, so
// that the windows below which it sits are not known here.
void SetCurrentColor(const ScrollBar &red, const ScrollBar &green, const ScrollBar &blue,
                     PictureBox &sample);

// Selects the whole text of the form's focused control when it is a text
// box; does nothing otherwise.
void SelectActiveText(const Form &form);
