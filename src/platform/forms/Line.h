// Tintwell - a line between two points, in twips; it has no box of its own.
#pragma once

#include "platform/ColorValue.h"
#include "platform/forms/Control.h"

class LineSurface;

class Line final : public Control
{
  public:
    Line(Form &form, QString name, Control *container = nullptr);

    [[nodiscard]] double X1() const { return x1_; }
    [[nodiscard]] double Y1() const { return y1_; }
    [[nodiscard]] double X2() const { return x2_; }
    [[nodiscard]] double Y2() const { return y2_; }
    void setX1(double twips);
    void setY1(double twips);
    void setX2(double twips);
    void setY2(double twips);
    void setEnds(double x1, double y1, double x2, double y2);
    void setBorderColor(ColorValue color);

    [[nodiscard]] bool hasBox() const override { return false; }
    void scaleGeometry(const TwipsScale &scale) override;

  protected:
    [[nodiscard]] bool hasFont() const override { return false; }
    void applyGeometry() override;

  private:
    friend class LineSurface;
    LineSurface *surface_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    ColorValue color_ = 0;
};
