// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - text that can be read on any colour a person mixes.
#include "platform/core/ReadableText.h"

#include <algorithm>
#include <cmath>

namespace {

// WCAG 2's relative luminance of an sRGB colour.
double luminance(ColorValue c)
{
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}

} // namespace

double contrastRatio(ColorValue a, ColorValue b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColorValue readableTextOn(ColorValue background)
{
    constexpr ColorValue Black = RGB(0, 0, 0);
    constexpr ColorValue White = RGB(255, 255, 255);
    return contrastRatio(background, Black) >= contrastRatio(background, White) ? Black : White;
}

ColorValue readableOr(ColorValue wanted, ColorValue background)
{
    constexpr double Readable = 4.5;
    return contrastRatio(wanted, background) >= Readable ? wanted : readableTextOn(background);
}
