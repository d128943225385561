// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a label: a caption, optionally sized to it, transparent or on a
// background colour of its own.
#pragma once

#include "platform/core/ColorValue.h"
#include "platform/forms/Control.h"

#include <functional>

class LabelWidget;

class Label final : public Control
{
  public:
    Label(FormHost &form, QString name, Control *container = nullptr);

    [[nodiscard]] QString Caption() const;
    void setCaption(const QString &caption);
    // On: the label takes the size its caption needs in its font.
    void setAutoSize(bool on);
    void setAlignment(Qt::Alignment alignment);
    void setForeColor(ColorValue color);
    [[nodiscard]] ColorValue ForeColor() const;
    void setBorder(bool single);
    [[nodiscard]] bool hasBorder() const;
    // Transparent (the default) shows what lies behind the label; opaque
    // fills it with its background colour.
    void setTransparent(bool transparent);
    void setBackColor(ColorValue color);

    // Names the control this label describes, for screen readers: a list
    // that shows only its value is then read with the label's caption.
    void setBuddy(Control &described);
    // Makes the label a link: a tab stop that Enter or Space follows, shown
    // to screen readers as a link. A click does not take the keyboard focus;
    // the mouse is left to the window's handlers.
    void setLink(std::function<void()> follow);

    [[nodiscard]] bool scalesFont() const override { return true; }

  protected:
    void applyGeometry() override;
    bool widgetEvent(QEvent &event, ControlWidgetEvents &qt) override;

  private:
    LabelWidget *label_;
    bool autoSize_ = false;
};
