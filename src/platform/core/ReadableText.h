// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - text that can be read on any colour a person mixes.
#pragma once

#include "platform/core/ColorValue.h"

// Black or white, whichever contrasts more with the background by WCAG 2's
// relative luminance: black wherever black reads well, and never less than
// 4.5 : 1 for any colour. It depends on the colour alone, never on the
// desktop's theme, so that the screen, a saved file and the printed page
// agree.
[[nodiscard]] ColorValue readableTextOn(ColorValue background);
// WCAG 2's contrast ratio of two colours, from 1 to 21.
[[nodiscard]] double contrastRatio(ColorValue a, ColorValue b);
// The colour a design gives a text where it reads on the background (4.5 : 1),
// else black or white as above.
[[nodiscard]] ColorValue readableOr(ColorValue wanted, ColorValue background);
