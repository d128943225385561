// Tintwell - a control's colours, set in its widget's palette.
#pragma once

#include "platform/ColorValue.h"

#include <QPalette>
#include <QWidget>
#include <initializer_list>
#include <utility>

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
