// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a control's colours, set in its widget's palette.
#pragma once

#include "platform/core/ColorValue.h"

#include <QPalette>
#include <QWidget>
#include <initializer_list>
#include <utility>

// Where the design fixes a control's colours, it is drawn by a style that
// paints with the palette (Fusion). A desktop style may draw parts in
// colours of its own (Adwaita-Dark's dark buttons and tracks), which would
// leave the design's text and pictures on the wrong ground. Under Fusion,
// the usual style, nothing changes.
void drawWithItsPalette(QWidget &widget);

// Sets the given roles of the widget's palette, keeping the others.
inline void setWidgetColors(QWidget &widget,
                            std::initializer_list<std::pair<QPalette::ColorRole, ColorValue>> roles)
{
    QPalette palette = widget.palette();
    for (const auto &[role, color] : roles) {
        palette.setColor(role, toQColor(color));
    }
    widget.setPalette(palette);
}
