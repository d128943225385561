// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the Win32-style window calls over the program's Qt widgets.
#include "platform/win32/QtWindowCalls.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace {

RECT toRect(const QRect &r)
{
    // QRect's right() and bottom() are inclusive; RECT's are one past.
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QRect virtualDesktop()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualGeometry() : QRect();
}

// A window's outer rectangle in screen pixels: the frame included for a
// top-level window, the widget mapped to the screen for a child.
QRect outerRect(const QWidget &widget)
{
    if (widget.isWindow()) {
        return widget.frameGeometry();
    }
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

} // namespace

BOOL QtWindowCalls::IsWindow(HWND window)
{
    return window == WindowHandles::desktop || widgetOf(window) != nullptr ? 1 : 0;
}

HWND QtWindowCalls::GetParent(HWND window)
{
    const QWidget *widget = widgetOf(window);
    return widget != nullptr ? handleOf(widget->parentWidget()) : 0;
}

BOOL QtWindowCalls::GetWindowRect(HWND window, RECT &rect)
{
    if (window == WindowHandles::desktop) {
        rect = toRect(virtualDesktop());
        return 1;
    }
    const QWidget *widget = widgetOf(window);
    if (widget == nullptr) {
        return 0;
    }
    rect = toRect(outerRect(*widget));
    return 1;
}

BOOL QtWindowCalls::MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height, BOOL repaint)
{
    QWidget *widget = widgetOf(window);
    if (widget == nullptr || width < 0 || height < 0) {
        return 0;
    }
    if (widget->isWindow()) {
        // The size asked for includes the frame, which Qt's resize() does not.
        const QRect outer = widget->frameGeometry();
        const QSize frame = outer.size() - widget->size();
        widget->move(x, y);
        widget->resize((QSize(width, height) - frame).expandedTo(QSize(0, 0)));
    } else {
        widget->setGeometry(x, y, width, height);
    }
    if (repaint != 0) {
        widget->update();
    }
    return 1;
}
