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
