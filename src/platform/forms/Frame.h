// Tintwell - a frame: a captioned box that holds other controls.
#pragma once

#include "platform/forms/Control.h"

class QGroupBox;

class Frame final : public Control
{
  public:
    Frame(Form &form, QString name, Control *container = nullptr);

    [[nodiscard]] QWidget *widget() const override;
    void setCaption(const QString &caption);

  private:
    QGroupBox *box_;
};
