// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - Win32-style window calls over the program's windows.
#pragma once

#include <cstdint>

class QWidget;

// A window handle: a 32-bit number that names one live window; 0 names none.
using HWND = std::int32_t;
using BOOL = std::int32_t;

// A window's rectangle in screen pixels.
struct RECT
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The message a dialog hook receives while the dialog starts, before it shows.
inline constexpr std::uint32_t WM_INITDIALOG = 0x110;

class WindowCalls
{
  public:
    virtual ~WindowCalls() = default;

    // The handle of one of the program's widgets, given on first request.
    virtual HWND handleOf(QWidget *widget) = 0;

    // Nonzero when the handle names a live window (the desktop included).
    virtual BOOL IsWindow(HWND window) = 0;
    // The window's parent, or its owner for a top-level window; 0 when it has none.
    virtual HWND GetParent(HWND window) = 0;
    virtual HWND GetDesktopWindow() = 0;
    // Fills rect with the window's outer rectangle; 0 when the handle names no window.
    virtual BOOL GetWindowRect(HWND window, RECT &rect) = 0;
    // Top-level windows are placed in screen pixels, child windows relative to
    // their parent; 0 when the handle names no movable window.
    virtual BOOL MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                            std::int32_t height, BOOL repaint) = 0;
};
