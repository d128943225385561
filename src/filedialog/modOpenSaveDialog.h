// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - hooks that centre a file dialog on the desktop as it starts.
#pragma once

#include "platform/win32/WindowCalls.h"

#include <cstdint>

// Both act on WM_INITDIALOG alone, keep the dialog's size and move its
// top-left corner so that it sits in the middle of the desktop. They return 0
// for every message and never fail: a step that cannot be computed leaves the
// dialog where it is.

// For an Explorer-style dialog: the hook is handed a child of the dialog box
// and moves that child's parent.
std::int32_t ExplorerCenterHook(WindowCalls &windows, HWND window, std::uint32_t message,
                                std::int32_t wParam, std::int32_t lParam);

// For an old-style dialog: the hook is handed the dialog box itself.
std::int32_t ClassicCenterHook(WindowCalls &windows, HWND window, std::uint32_t message,
                               std::int32_t wParam, std::int32_t lParam);
