// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a push button; the graphical style draws its own background colour.
#pragma once

#include "platform/core/ColorValue.h"
#include "platform/forms/Control.h"

class QIcon;
class QPushButton;
class QSize;

class CommandButton final : public Control
{
  public:
    CommandButton(FormHost &form, QString name, Control *container = nullptr);

    [[nodiscard]] QString Caption() const;
    void setCaption(const QString &caption);
    void setBackColor(ColorValue color);
    [[nodiscard]] ColorValue BackColor() const;
    // A picture shown in the middle of the button, at the given size in pixels.
    void setPicture(const QIcon &picture, QSize pixels);
    void click();
    [[nodiscard]] bool scalesFont() const override { return true; }
    // Leaves Alt with the caption's marked letter to a menu that has it too.
    void yieldAccessKeys(const QList<QKeySequence> &taken) override;

    std::function<void()> onClick;

  protected:
    bool widgetEvent(QEvent &event, ControlWidgetEvents &qt) override;

  private:
    QPushButton *button_;
};
