// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - where the swatch goes and how large it is.
#pragma once

#include "platform/core/TwipsRect.h"

#include <QString>
#include <cstdint>
#include <optional>

// A size list's text as a 16-bit whole number ("2" is 2); nothing when the
// text is not a number that 16 bits hold.
[[nodiscard]] std::optional<std::int16_t> sizeUnits(const QString &text);

// The swatch's box in twips, in the preview's client area, frame included.
// Each unit is 1400 twips, multiplied in 16 bits and then scaled by the
// screen factor in single precision; the box is centred across the client
// width (a wider one gets a negative left edge) and 1000 scaled twips down.
[[nodiscard]] TwipsRect swatchBox(std::int16_t widthUnits, std::int16_t heightUnits, float xFactor,
                                  float yFactor, double clientWidth);
