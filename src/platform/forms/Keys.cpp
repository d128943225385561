// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - keys that several kinds of control treat alike.
#include "platform/forms/Keys.h"

bool isCommandLetter(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    return mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::ControlModifier) &&
           !event.text().isEmpty() && event.text().at(0).isPrint();
}

int characterCodeOf(const QKeyEvent &event)
{
    if (isCommandLetter(event)) {
        return 0;
    }
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    if (ctrl && isEnterKey(key)) {
        return '\n';
    }
    switch (key) {
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return '\t';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || (text.size() == 1 && text.at(0).unicode() == 127)) {
        return 0;
    }
    const char32_t code = text.toUcs4().value(0);
    return static_cast<int>(code);
}
