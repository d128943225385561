// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the component's 16-bit counts and positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>

// The component keeps counts and string positions in 16 bits; a value beyond
// that is a failure of the operation, as an overflow, not a silent wrap.
[[nodiscard]] inline std::int16_t toInt16(std::size_t value)
{
    if (value > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max())) {
        throw std::overflow_error("16-bit overflow");
    }
    return static_cast<std::int16_t>(value);
}
