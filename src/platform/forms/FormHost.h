// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what a control asks of the form it is on, and nothing more: a
// window calls none of it.
#pragma once

class Control;
class QKeyEvent;
class QWidget;
class ScreenMetrics;

class FormHost
{
  public:
    // The client area, where the controls outside containers go. It goes
    // with the form: a guard on it tells that a handler closed the form.
    [[nodiscard]] virtual QWidget &clientArea() const = 0;
    [[nodiscard]] virtual const ScreenMetrics &screenMetrics() const = 0;
    // The client area's width, in twips: what a docked container spans.
    [[nodiscard]] virtual double clientWidth() const = 0;
    // The height of the containers docked along the top before the control
    // (all of them for null), in twips.
    [[nodiscard]] virtual double dockedHeightAbove(const Control *control) const = 0;
    // A key released in one of its controls: the form's, with the key preview on.
    virtual void keyReleased(const QKeyEvent &event) = 0;
    // Enter and Esc that no control took press the default and the cancel
    // button; false when there is none, or it is disabled.
    virtual bool pressDefaultOrCancel(const QKeyEvent &event) = 0;

  protected:
    FormHost() = default;
    ~FormHost() = default;
    FormHost(const FormHost &) = delete;
    FormHost &operator=(const FormHost &) = delete;
};
