// Tintwell - the current colour and the number boxes' shared helpers.
#pragma once

#include "platform/ColorValue.h"

class Form;
class frmColors;

// The colour being mixed, red + 256 * green + 65536 * blue of the three
// channel scroll bars; 0 until a scroll bar first changes.
extern ColorValue CurrentColor;

// Recomposes CurrentColor from the main window's three scroll bars and shows
// it in the sample.
void SetCurrentColor(frmColors &colors);

// Selects the whole text of the form's focused control when it is a text
// box; does nothing otherwise.
void SelectActiveText(const Form &form);
