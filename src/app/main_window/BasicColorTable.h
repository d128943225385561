// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the 24 named basic colours a mix can start from.
#pragma once

#include "platform/core/ColorValue.h"

#include <array>

struct BasicColor
{
    const char *name;
    ColorValue color;
};

extern const std::array<BasicColor, 24> BasicColorTable;
