// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a horizontal scroll bar with a 16-bit value and two step sizes.
#include "platform/forms/ScrollBar.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/WidgetColors.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <cstdint>
#include <limits>

namespace {

int clampTo16Bits(int v)
{
    return std::clamp(v, int{std::numeric_limits<std::int16_t>::min()},
                      int{std::numeric_limits<std::int16_t>::max()});
}

} // namespace

ScrollBar::ScrollBar(FormHost &form, QString name, Control *container)
    : Control(form, std::move(name)),
      bar_(new ControlWidget<QScrollBar>(*this, Qt::Horizontal, containerWidget(container)))
{
    // Its track and arrows show on the window's fixed colour.
    drawWithItsPalette(*bar_);
    bar_->setInvertedControls(false);
    bar_->setTracking(true);
    bar_->setFocusPolicy(Qt::StrongFocus); // a tab stop, moved with the arrow keys
    QObject::connect(bar_, &QScrollBar::valueChanged, context(), [this] {
        const auto &handler = bar_->isSliderDown() ? onScroll : onChange;
        if (handler) {
            handler();
        }
    });
    attach(bar_);
}

// Right arrow and Page Down move towards the maximum, the thumb to the right.
bool ScrollBar::widgetEvent(QEvent &event, ControlWidgetEvents &qt)
{
    if (event.type() == QEvent::KeyPress) {
        switch (static_cast<const QKeyEvent &>(event).key()) {
        case Qt::Key_PageDown:
            bar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Qt::Key_PageUp:
            bar_->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        default:
            break;
        }
    }
    return qt.qtEvent(event);
}

int ScrollBar::Value() const
{
    return bar_->value();
}

void ScrollBar::setValue(int value)
{
    // QScrollBar clamps into its range and stays silent when nothing changes.
    bar_->setValue(value);
}

void ScrollBar::setRange(int min, int max)
{
    bar_->setRange(clampTo16Bits(min), clampTo16Bits(max));
}
void ScrollBar::setSmallChange(int step)
{
    bar_->setSingleStep(clampTo16Bits(step));
}
void ScrollBar::setLargeChange(int step)
{
    bar_->setPageStep(clampTo16Bits(step));
}
