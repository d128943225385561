// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the keyboard handed back when a window closes.
#pragma once

#include <QPointer>
#include <QWidget>

// Remembers the window that has the keyboard as another window opens, and
// gives it the keyboard back once that window has closed. A window manager
// does this itself; on a bare X server nothing else would, and the keys a
// person (or a screen reader) types next would reach no window.
class KeyboardReturn
{
  public:
    KeyboardReturn();

    void giveBack(const QWidget *closed = nullptr) const;

  private:
    static void activate(QWidget &window);

    QPointer<QWidget> opener_;
};
