// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - keys that several kinds of control treat alike.
#pragma once

#include <QKeyEvent>

// Return, or Enter on the keypad.
[[nodiscard]] inline bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Return or Enter with no modifier but the keypad's: what presses a button.
[[nodiscard]] inline bool isPlainEnter(const QKeyEvent &key)
{
    return isEnterKey(key.key()) && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Alt with a letter or another printable key: a command key on every
// desktop, never typing. What no access key took reaches no control.
[[nodiscard]] bool isCommandLetter(const QKeyEvent &event);

// The character code that a key event types, as a key-press handler sees it:
// Ctrl with a letter gives its control character (Ctrl+C is 3); keys that
// type nothing (arrows, Delete, function keys, Alt with a letter) 0.
[[nodiscard]] int characterCodeOf(const QKeyEvent &event);
