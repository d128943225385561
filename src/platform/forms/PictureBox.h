// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a picture box: a container for other controls and a drawing
// surface that keeps what is drawn on it as an image.
#pragma once

#include "platform/core/ColorValue.h"
#include "platform/forms/Control.h"

#include <QImage>
#include <QPixmap>

class PictureSurface;
class QPainter;

enum class PictureBorder
{
    None,
    Single,  // a one-pixel line
    Sunken3D // the standard sunken frame
};

class PictureBox final : public Control
{
  public:
    PictureBox(FormHost &form, QString name, Control *container = nullptr);

    // Erases everything drawn and fills the whole image with the colour.
    void setBackColor(ColorValue color);
    [[nodiscard]] ColorValue BackColor() const { return backColor_; }
    // The colour text is drawn in.
    void setForeColor(ColorValue color) { foreColor_ = color; }
    [[nodiscard]] ColorValue ForeColor() const { return foreColor_; }
    // A picture shown at the top-left corner, over the drawing.
    void setPicture(const QPixmap &picture);
    void setBorder(bool single)
    {
        setBorderStyle(single ? PictureBorder::Single : PictureBorder::None);
    }
    void setBorderStyle(PictureBorder style);
    [[nodiscard]] bool hasBorder() const { return border_ != PictureBorder::None; }

    // Drawing, in twips from the top-left corner of the drawing area.
    [[nodiscard]] double CurrentX() const { return currentX_; }
    [[nodiscard]] double CurrentY() const { return currentY_; }
    void setCurrentX(double twips) { currentX_ = twips; }
    void setCurrentY(double twips) { currentY_ = twips; }
    // Draws a line of text at the current position in the box's font and
    // text colour, then moves the position to the start of the next line.
    void Print(const QString &text);
    // The drawing area inside the border, as drawn: one pixel per screen pixel,
    // at the screen's resolution.
    [[nodiscard]] QImage Image() const;

    // Docked along the top: the box spans the form's width at its top.
    void setDockedTop(bool docked);
    [[nodiscard]] bool isDockedTop() const override { return dockedTop_; }
    void formResized() override;

    // Draws what was drawn on the box, then its picture, into the drawing
    // area: the box's widget paints itself with it, over its background.
    void paint(QPainter &painter, const QRect &area) const;

  protected:
    void applyGeometry() override;

  private:
    void fitImage();
    [[nodiscard]] QSize drawingSize() const;
    [[nodiscard]] QImage blankImage(QSize size) const;

    PictureSurface *surface_;
    QImage image_; // null while nothing is drawn on the background
    QPixmap picture_;
    ColorValue backColor_ = 0;
    ColorValue foreColor_ = 0;
    PictureBorder border_ = PictureBorder::None;
    double currentX_ = 0;
    double currentY_ = 0;
    bool dockedTop_ = false;
};
