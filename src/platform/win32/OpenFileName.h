// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the record that describes one open or save dialog.
#pragma once

#include "platform/win32/WindowCalls.h"

#include <cstdint>
#include <string>

// A dialog hook. The dialog hands it the window calls it runs under along with
// the usual window handle, message and two message parameters, so that the
// hook needs no global state to reach the windows. Returns 0 to let the dialog
// go on as usual.
using LPOFNHOOKPROC = std::int32_t (*)(WindowCalls &windows, HWND window, std::uint32_t message,
                                       std::int32_t wParam, std::int32_t lParam);

// Flag bits of OPENFILENAME::Flags (the values of the Win32 common dialogs).
inline constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr std::uint32_t OFN_HIDEREADONLY = 0x00000004;
inline constexpr std::uint32_t OFN_ENABLEHOOK = 0x00000020;
inline constexpr std::uint32_t OFN_ALLOWMULTISELECT = 0x00000200;
inline constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr std::uint32_t OFN_EXPLORER = 0x00080000;
inline constexpr std::uint32_t OFN_LONGNAMES = 0x00200000;

// The size that lStructSize must state: the record without the fields that
// later Win32 versions appended.
inline constexpr std::uint32_t OPENFILENAME_SIZE_VERSION_400 = 76;

// Strings are 8-bit (UTF-8); the text of a string field ends at its first NUL.
// lpstrFile and lpstrFileTitle are buffers: the dialog writes its answer into
// them, within their first nMaxFile / nMaxFileTitle bytes.
struct OPENFILENAME
{
    std::uint32_t lStructSize = 0;
    HWND hwndOwner = 0;
    std::int32_t hInstance = 0;
    // Description NUL pattern NUL ... for every pair, then one more NUL.
    std::string lpstrFilter;
    std::string lpstrCustomFilter;
    std::uint32_t nMaxCustFilter = 0;
    // 1-based number of the pair the dialog starts with.
    std::uint32_t nFilterIndex = 0;
    std::string lpstrFile;
    std::uint32_t nMaxFile = 0;
    std::string lpstrFileTitle;
    std::uint32_t nMaxFileTitle = 0;
    std::string lpstrInitialDir;
    std::string lpstrTitle;
    std::uint32_t Flags = 0;
    std::uint16_t nFileOffset = 0;
    std::uint16_t nFileExtension = 0;
    std::string lpstrDefExt;
    std::int32_t lCustData = 0;
    LPOFNHOOKPROC lpfnHook = nullptr;
    std::string lpTemplateName;
};
