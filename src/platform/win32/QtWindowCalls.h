// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the Win32-style window calls over the program's Qt widgets.
#pragma once

#include "platform/win32/WindowCalls.h"
#include "platform/win32/WindowHandles.h"

#include <QtGlobal>

class QWidget;

// Any widget has a handle, given on first request: a form for the owner of a
// file dialog, the dialog itself and the child that a dialog hook receives.
// The desktop is the virtual desktop of all screens.
class QtWindowCalls final : public WindowCalls
{
  public:
    QtWindowCalls() = default;
    Q_DISABLE_COPY_MOVE(QtWindowCalls)

    [[nodiscard]] HWND handleOf(QWidget *widget) override { return handles_.handleOf(widget); }
    [[nodiscard]] QWidget *widgetOf(HWND window) const { return handles_.widgetOf(window); }

    BOOL IsWindow(HWND window) override;
    HWND GetParent(HWND window) override;
    HWND GetDesktopWindow() override { return WindowHandles::desktop; }
    BOOL GetWindowRect(HWND window, RECT &rect) override;
    BOOL MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, BOOL repaint) override;

  private:
    WindowHandles handles_;
};
