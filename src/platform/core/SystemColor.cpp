// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the desktop's colours that window designs name by index.
#include "platform/core/SystemColor.h"

#include <QApplication>
#include <QPalette>

namespace {

QPalette::ColorRole roleOf(SystemColorIndex index)
{
    switch (index) {
    case SystemColorIndex::ScrollBar:
        // Qt's palette has no scroll-bar role; scroll bars paint in Button.
        return QPalette::Button;
    case SystemColorIndex::WindowText:
        return QPalette::WindowText;
    case SystemColorIndex::ButtonText:
        return QPalette::ButtonText;
    }
    return QPalette::WindowText;
}

} // namespace

ColorValue SystemColor(SystemColorIndex index)
{
    return fromQColor(QApplication::palette().color(roleOf(index)));
}
