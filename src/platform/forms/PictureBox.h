// Tintwell - a picture box: a background colour and a picture, and a
// container for other controls.
#pragma once

#include "platform/ColorValue.h"
#include "platform/forms/Control.h"

#include <QPixmap>

class PictureSurface;

class PictureBox final : public Control
{
  public:
    PictureBox(Form &form, QString name, Control *container = nullptr);
    ~PictureBox() override;

    [[nodiscard]] QWidget *widget() const override;
    void setBackColor(ColorValue color);
    [[nodiscard]] ColorValue BackColor() const { return backColor_; }
    void setForeColor(ColorValue color) { foreColor_ = color; }
    [[nodiscard]] ColorValue ForeColor() const { return foreColor_; }
    void setPicture(const QPixmap &picture);
    void setBorder(bool single);
    [[nodiscard]] bool hasBorder() const { return border_; }

  private:
    friend class PictureSurface;
    PictureSurface *surface_;
    QPixmap picture_;
    ColorValue backColor_ = 0;
    ColorValue foreColor_ = 0;
    bool border_ = false;
};
