// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - where the swatch goes and how large it is.
#include "preview/SwatchGeometry.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr std::int16_t TwipsPerUnit = 1400;
constexpr float SwatchTop = 1000;

// The product in 16 bits: a size that does not fit is an overflow, never a
// silently wrapped swatch.
std::int16_t unitsToTwips(std::int16_t units)
{
    const int product = units * TwipsPerUnit;
    if (product > std::numeric_limits<std::int16_t>::max() ||
        product < std::numeric_limits<std::int16_t>::min()) {
        throw std::overflow_error("swatch size overflows 16 bits");
    }
    return static_cast<std::int16_t>(product);
}

} // namespace

std::optional<std::int16_t> sizeUnits(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(number); // a half to the even neighbour
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

TwipsRect swatchBox(std::int16_t widthUnits, std::int16_t heightUnits, float xFactor, float yFactor,
                    double clientWidth)
{
    const float width = static_cast<float>(unitsToTwips(widthUnits)) * xFactor;
    const float height = static_cast<float>(unitsToTwips(heightUnits)) * yFactor;
    const float left = (static_cast<float>(clientWidth) - width) / 2;
    return {left, SwatchTop * yFactor, width, height};
}
