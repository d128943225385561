// Tintwell - a frame: a captioned box that holds other controls.
#pragma once

#include "platform/forms/Control.h"

class QGroupBox;

class Frame final : public Control
{
  public:
    Frame(Form &form, QString name, Control *container = nullptr);

    void setCaption(const QString &caption);

    [[nodiscard]] bool scalesFont() const override { return true; }

  private:
    QGroupBox *box_;
};
