// Tintwell - a push button; the graphical style draws its own background colour.
#pragma once

#include "platform/ColorValue.h"
#include "platform/forms/Control.h"

class QPushButton;

class CommandButton final : public Control
{
  public:
    CommandButton(Form &form, QString name, Control *container = nullptr);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] QString Caption() const;
    void setCaption(const QString &caption);
    void setBackColor(ColorValue color);
    [[nodiscard]] ColorValue BackColor() const;
    void click();
    // Leaves Alt with the caption's marked letter to another command.
    void yieldAccessKey();

    std::function<void()> onClick;

  private:
    QPushButton *button_;
};
