// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - fitting a window laid out for a 1024 x 768 screen to the real one.
#pragma once

class Form;

// Screen width in twips / 15360 and screen height in twips / 11520, left by
// the last ResizeForm; 0 until the first window has loaded.
extern float XFactor;
extern float YFactor;

// Scales the window and every control in it (nested ones and menu items
// included) by XFactor and YFactor. A step that a control does not support is
// skipped; the routine never fails.
void ResizeForm(Form &form);
