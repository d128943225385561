// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a control's colours, set in its widget's palette.
#include "platform/forms/WidgetColors.h"

#include <QApplication>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

void drawWithItsPalette(QWidget &widget)
{
    static const QLatin1String paletteStyle("fusion");
    if (QApplication::style()->name().compare(paletteStyle, Qt::CaseInsensitive) == 0) {
        return;
    }
    // One for the program, owned by the application.
    static QPointer<QStyle> style;
    if (!style) {
        style = QStyleFactory::create(paletteStyle);
        if (!style) {
            return;
        }
        style->setParent(qApp);
    }
    widget.setStyle(style);
}
