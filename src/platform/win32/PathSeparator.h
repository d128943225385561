// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the separator between a path's directories and its file name.
#pragma once

// Where the Win32 calls and their users take paths apart, they split at this
// character: the platform's own.
inline constexpr char PathSeparator = '/';
