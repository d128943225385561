// Tintwell - a label: a caption, optionally sized to it, optionally transparent.
#pragma once

#include "platform/ColorValue.h"
#include "platform/forms/Control.h"

class QLabel;

class Label final : public Control
{
  public:
    Label(Form &form, QString name, Control *container = nullptr);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] QString Caption() const;
    void setCaption(const QString &caption);
    // On: the label takes the size its caption needs in its font.
    void setAutoSize(bool on);
    void setAlignment(Qt::Alignment alignment);
    void setForeColor(ColorValue color);
    [[nodiscard]] ColorValue ForeColor() const;
    void setBorder(bool single);
    [[nodiscard]] bool hasBorder() const;

  protected:
    void applyGeometry() override;

  private:
    QLabel *label_;
    bool autoSize_ = false;
};
