// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the numbered errors of the file dialog component.
#pragma once

#include "platform/core/RaisedError.h"

#include <cstdint>

// The record every failure of the component carries: number, source, description.
using DialogError = ErrorRecord;

// Component errors are numbered from the object-error base 0x80040000.
inline constexpr std::int32_t ObjectErrorBase = static_cast<std::int32_t>(0x80040000U);
inline constexpr std::int32_t ErrInvalidWindowHandle = ObjectErrorBase + 17461;
inline constexpr std::int32_t ErrComponentFailure = ObjectErrorBase + 17462;

// The error with its description, its source naming the running executable:
// its file name without extension, then ".CFileOpenSaveDialog".
[[nodiscard]] DialogError dialogError(std::int32_t number, const QString &exeName);

// Throws RaisedError carrying dialogError(number, exeName).
[[noreturn]] void raiseDialogError(std::int32_t number, const QString &exeName);
