// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a picture box: a container and a drawing surface.
#include "platform/forms/PictureBox.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/FormHost.h"
#include "platform/services/ScreenMetrics.h"

#include <QFrame>
#include <QPainter>
#include <cmath>

// The picture box owns its surface and so outlives it.
class PictureSurface final : public ControlWidget<QFrame>
{
  public:
    PictureSurface(PictureBox &owner, QWidget *parent) : ControlWidget(owner, parent), owner_(owner)
    {
    }

  protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            painter.fillRect(rect(), toQColor(owner_.BackColor()));
            owner_.paint(painter, contentsRect());
        }
        QFrame::paintEvent(event); // the border, over the drawing
    }

  private:
    const PictureBox &owner_;
};

namespace {

// The picture whole and centred in the box: at its own size, or smaller
// where the box, fitted to a small screen, has become smaller than it.
QRectF pictureArea(const QPixmap &picture, const QRect &area)
{
    const QSizeF natural = picture.deviceIndependentSize();
    const QSizeF shown = natural.width() <= area.width() && natural.height() <= area.height()
                             ? natural
                             : natural.scaled(area.size(), Qt::KeepAspectRatio);
    QRectF placed(QPointF(), shown);
    placed.moveCenter(QRectF(area).center());
    return placed;
}

} // namespace

PictureBox::PictureBox(FormHost &form, QString name, Control *container)
    : Control(form, std::move(name)),
      surface_(new PictureSurface(*this, containerWidget(container)))
{
    surface_->setAttribute(Qt::WA_OpaquePaintEvent);
    attach(surface_);
}

void PictureBox::paint(QPainter &painter, const QRect &area) const
{
    if (!image_.isNull()) {
        painter.drawImage(area.topLeft(), image_);
    }
    if (!picture_.isNull()) {
        painter.drawPixmap(pictureArea(picture_, area), picture_, picture_.rect());
    }
}

void PictureBox::setBackColor(ColorValue color)
{
    backColor_ = color;
    image_ = QImage();
    surface_->update();
}

void PictureBox::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    surface_->update();
}

void PictureBox::setBorderStyle(PictureBorder style)
{
    border_ = style;
    switch (style) {
    case PictureBorder::None:
        surface_->setFrameStyle(QFrame::NoFrame);
        break;
    case PictureBorder::Single:
        surface_->setFrameStyle(QFrame::Box | QFrame::Plain);
        surface_->setLineWidth(1);
        break;
    case PictureBorder::Sunken3D:
        surface_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        surface_->setLineWidth(2);
        break;
    }
    fitImage();
    surface_->update();
}

void PictureBox::Print(const QString &text)
{
    const ScreenMetrics &screen = form().screenMetrics();
    if (image_.isNull()) {
        image_ = blankImage(drawingSize());
    }
    QPainter painter(&image_);
    painter.setFont(surface_->font());
    painter.setPen(toQColor(foreColor_));
    const QFontMetricsF metrics(surface_->font(), &image_);
    const QPointF at = screen.toPixels(QPointF(currentX_, currentY_));
    painter.drawText(at + QPointF(0, metrics.ascent()), text);
    currentX_ = 0;
    currentY_ += screen.toTwipsY(metrics.height());
    surface_->update();
}

QImage PictureBox::Image() const
{
    return image_.isNull() ? blankImage(drawingSize()) : image_;
}

void PictureBox::setDockedTop(bool docked)
{
    dockedTop_ = docked;
    applyGeometry();
}

void PictureBox::formResized()
{
    if (dockedTop_) {
        applyGeometry();
    }
}

void PictureBox::applyGeometry()
{
    if (dockedTop_) {
        box_.left = 0;
        box_.top = form().dockedHeightAbove(this);
        box_.width = form().clientWidth();
    }
    Control::applyGeometry();
    fitImage();
}

// The image follows the drawing area; what was drawn stays where it was and
// new room shows the background.
void PictureBox::fitImage()
{
    const QSize size = drawingSize();
    if (image_.isNull() || size == image_.size()) {
        return;
    }
    QImage grown = blankImage(size);
    QPainter(&grown).drawImage(0, 0, image_);
    image_ = grown;
}

QSize PictureBox::drawingSize() const
{
    return surface_->contentsRect().size().expandedTo(QSize(0, 0));
}

QImage PictureBox::blankImage(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    // Fonts on the image are measured at the screen's resolution, and a
    // saved copy says how large it was on the screen.
    const ScreenMetrics &screen = form().screenMetrics();
    image.setDotsPerMeterX(screen.dotsPerMetreX());
    image.setDotsPerMeterY(screen.dotsPerMetreY());
    image.fill(toQColor(backColor_));
    return image;
}
