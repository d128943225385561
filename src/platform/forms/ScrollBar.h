// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a horizontal scroll bar with a 16-bit value and two step sizes.
#pragma once

#include "platform/forms/Control.h"

#include <functional>

class QScrollBar;

class ScrollBar final : public Control
{
  public:
    ScrollBar(FormHost &form, QString name, Control *container = nullptr);

    [[nodiscard]] int Value() const;
    // Setting the value it already holds raises nothing.
    void setValue(int value);
    void setRange(int min, int max);
    void setSmallChange(int step);
    void setLargeChange(int step);

    // Change: the value changed (program, arrow, trough, keys, thumb released).
    // Scroll: the thumb is being dragged; raised for every position on the way.
    std::function<void()> onChange;
    std::function<void()> onScroll;

  protected:
    bool widgetEvent(QEvent &event, ControlWidgetEvents &qt) override;

  private:
    QScrollBar *bar_;
};
