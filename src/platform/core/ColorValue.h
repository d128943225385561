// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - colours as the program stores them.
#pragma once

#include <QColor>
#include <cstdint>

// A colour as one 32-bit number: red + 256 * green + 65536 * blue (0x00BBGGRR).
using ColorValue = std::int32_t;

[[nodiscard]] constexpr ColorValue RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

[[nodiscard]] constexpr int RedOf(ColorValue c)
{
    return c % 256;
}
[[nodiscard]] constexpr int GreenOf(ColorValue c)
{
    return (c / 256) % 256;
}
[[nodiscard]] constexpr int BlueOf(ColorValue c)
{
    return (c / 65536) % 256;
}

[[nodiscard]] inline QColor toQColor(ColorValue c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

[[nodiscard]] inline ColorValue fromQColor(const QColor &c)
{
    return RGB(c.red(), c.green(), c.blue());
}
