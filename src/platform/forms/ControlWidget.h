// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the Qt widget that shows a control: every event it receives goes
// to its control first (Control::receive), which may hand it on to Qt's own.
//
// A key pressed runs the control's key-press handler, which may drop it,
// then the kind's own handling and Qt's. Enter and Esc that none of them took
// press the form's default and cancel button; the key ends at the control,
// and its release reaches the form's key-up handler too. The pointer goes to
// the handlers of the control under it, and no further (the widget keeps
// what it leaves); over the bare client area it is the form's.
#pragma once

#include "platform/forms/Control.h"

#include <QEvent>
#include <utility>

// What a control's widget offers its control: Qt's own handling of an event.
class ControlWidgetEvents
{
  public:
    [[nodiscard]] virtual Control &control() const = 0;
    // What the Qt widget itself does with the event.
    virtual bool qtEvent(QEvent &event) = 0;

  protected:
    ~ControlWidgetEvents() = default;
};

// A Qt widget of the given kind that belongs to a control. The control owns
// the widget and so outlives it.
template <class QtWidget> class ControlWidget : public QtWidget, public ControlWidgetEvents
{
  public:
    template <class... Args>
    explicit ControlWidget(Control &owner, Args &&...args)
        : QtWidget(std::forward<Args>(args)...), owner_(owner)
    {
    }

    [[nodiscard]] Control &control() const override { return owner_; }
    bool qtEvent(QEvent &event) override { return QtWidget::event(&event); }

  protected:
    bool event(QEvent *event) override { return owner_.receive(*event, *this); }
    // For events that reach the widget by a road of their own (a scroll
    // area's viewport): to the control first too, with Qt's handling given.
    bool handToControl(QEvent &event, ControlWidgetEvents &qt) { return owner_.receive(event, qt); }

  private:
    Control &owner_;
};
