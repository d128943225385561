// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the desktop's colours that window designs name by index.
#pragma once

#include "platform/core/ColorValue.h"

// The indices of the system colours the windows use.
enum class SystemColorIndex
{
    ScrollBar = 0,
    WindowText = 8,
    ButtonText = 18,
};

// The desktop's colour of that index, read from the application's palette
// each time, so that a changed desktop theme is followed.
[[nodiscard]] ColorValue SystemColor(SystemColorIndex index);
