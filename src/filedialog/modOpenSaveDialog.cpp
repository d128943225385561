// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - hooks that centre a file dialog on the desktop as it starts.
#include "filedialog/modOpenSaveDialog.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

std::optional<std::int32_t> toInt32(double value)
{
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> difference(std::int32_t high, std::int32_t low)
{
    return toInt32(static_cast<double>(high) - static_cast<double>(low));
}

// Where a span of the given length starts so that it is centred in the room;
// a half-way result goes to the even neighbour (231.5 gives 232, -1.5 gives -2).
std::optional<std::int32_t> centredStart(std::int32_t room, std::int32_t length)
{
    return toInt32(std::nearbyint((static_cast<double>(room) - length) / 2.0));
}

void centreOnDesktop(WindowCalls &windows, HWND dialog)
{
    RECT desktop;
    RECT rect;
    // The platform calls' own failures are not checked: a rectangle that
    // could not be read stays empty.
    (void)windows.GetWindowRect(windows.GetDesktopWindow(), desktop);
    (void)windows.GetWindowRect(dialog, rect);
    const auto height = difference(rect.bottom, rect.top);
    const auto width = difference(rect.right, rect.left);
    const auto desktopWidth = difference(desktop.right, desktop.left);
    const auto desktopHeight = difference(desktop.bottom, desktop.top);
    if (!height || !width || !desktopWidth || !desktopHeight) {
        return;
    }
    // The desktop's left and top only measure it; they are not added.
    const auto x = centredStart(*desktopWidth, *width);
    const auto y = centredStart(*desktopHeight, *height);
    if (x && y) {
        (void)windows.MoveWindow(dialog, *x, *y, *width, *height, 1);
    }
}

// The dialog must never see a failure of its hook, so none leaves it: the
// dialog then shows where it would have without the hook.
template <class FindDialog> void centreQuietly(WindowCalls &windows, FindDialog findDialog) noexcept
{
    try {
        centreOnDesktop(windows, findDialog());
    } catch (...) {
    }
}

} // namespace

std::int32_t ExplorerCenterHook(WindowCalls &windows, HWND window, std::uint32_t message,
                                std::int32_t /*wParam*/, std::int32_t /*lParam*/)
{
    if (message == WM_INITDIALOG) {
        centreQuietly(windows, [&] { return windows.GetParent(window); });
    }
    return 0;
}

std::int32_t ClassicCenterHook(WindowCalls &windows, HWND window, std::uint32_t message,
                               std::int32_t /*wParam*/, std::int32_t /*lParam*/)
{
    if (message == WM_INITDIALOG) {
        centreQuietly(windows, [&] { return window; });
    }
    return 0;
}
