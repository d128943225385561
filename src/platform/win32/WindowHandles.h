// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - 32-bit handles for the program's windows.
#pragma once

#include "platform/win32/WindowCalls.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

// Gives a widget its handle the first time one is asked for. A handle names
// one widget for the whole run: when the widget is destroyed its handle is
// retired, never handed to another widget, even one at the same address.
class WindowHandles
{
  public:
    // The handle that stands for the desktop, which has no widget.
    static constexpr HWND desktop = 1;

    // 0 for no widget, or when every handle of the run is used up.
    [[nodiscard]] HWND handleOf(QWidget *widget);
    // The live widget that the handle names, or nullptr.
    [[nodiscard]] QWidget *widgetOf(HWND handle) const;

  private:
    struct Entry
    {
        QPointer<QWidget> widget; // null once the widget is destroyed
        const QWidget *address = nullptr;
    };
    void forgetDestroyedWidgets();

    QHash<HWND, Entry> entries_;
    QHash<const QWidget *, HWND> handles_;
    HWND lastHandle_ = desktop;
};
