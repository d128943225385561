// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the 24 named basic colours a mix can start from.
#include "app/main_window/BasicColorTable.h"

const std::array<BasicColor, 24> BasicColorTable = {{
    {"Black", RGB(0, 0, 0)},
    {"Blue", RGB(0, 0, 255)},
    {"Blue (Dark)", RGB(0, 0, 153)},
    {"Brown", RGB(204, 153, 0)},
    {"Cyan", RGB(0, 255, 255)},
    {"Gray", RGB(204, 204, 204)},
    {"Gray (Dark)", RGB(153, 153, 153)},
    {"Green", RGB(0, 255, 0)},
    {"Green (Dark)", RGB(0, 153, 0)},
    {"Lime", RGB(204, 255, 51)},
    {"Magenta", RGB(255, 0, 255)},
    {"Orange", RGB(255, 153, 51)},
    {"Peach", RGB(255, 204, 204)},
    {"Pink", RGB(255, 204, 255)},
    {"Pink (Dark)", RGB(255, 0, 153)},
    {"Purple", RGB(153, 0, 255)},
    {"Red", RGB(255, 0, 0)},
    {"Red (Dark)", RGB(153, 0, 0)},
    {"Sand", RGB(204, 204, 153)},
    {"Tan", RGB(255, 204, 153)},
    {"Teal", RGB(0, 153, 153)},
    {"Violet", RGB(153, 0, 153)},
    {"White", RGB(255, 255, 255)},
    {"Yellow", RGB(255, 255, 0)},
}};
