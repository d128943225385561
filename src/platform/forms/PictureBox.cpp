// Tintwell - a picture box: a background colour and a picture.
#include "platform/forms/PictureBox.h"

#include "platform/forms/Form.h"

#include <QPainter>
#include <QWidget>

class PictureSurface final : public QWidget
{
  public:
    PictureSurface(PictureBox *owner, QWidget *parent) : QWidget(parent), owner_(owner) {}
    void detach() { owner_ = nullptr; }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!owner_) {
            return;
        }
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(owner_->backColor_));
        if (!owner_->picture_.isNull()) {
            painter.drawPixmap(0, 0, owner_->picture_);
        }
        if (owner_->border_) {
            painter.setPen(Qt::black);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

  private:
    PictureBox *owner_;
};

PictureBox::PictureBox(Form &form, QString name, Control *container)
    : Control(form, std::move(name), ControlKind::PictureBox),
      surface_(new PictureSurface(this, form.containerWidget(container)))
{
    surface_->setAttribute(Qt::WA_OpaquePaintEvent);
    attach(surface_);
}

PictureBox::~PictureBox()
{
    surface_->detach();
}

QWidget *PictureBox::widget() const
{
    return surface_;
}

void PictureBox::setBackColor(ColorValue color)
{
    backColor_ = color;
    surface_->update();
}

void PictureBox::setPicture(const QPixmap &picture)
{
    picture_ = picture;
    surface_->update();
}

void PictureBox::setBorder(bool single)
{
    border_ = single;
    surface_->update();
}
