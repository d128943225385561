// Tintwell - a line between two points, in twips.
#include "platform/forms/Line.h"

#include "platform/forms/Form.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

class LineSurface final : public QWidget
{
  public:
    LineSurface(Line *owner, QWidget *parent) : QWidget(parent), owner_(owner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void detach() { owner_ = nullptr; }
    QPoint from, to; // in the surface's own pixels

  protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!owner_) {
            return;
        }
        QPainter painter(this);
        painter.setPen(toQColor(owner_->color_));
        painter.drawLine(from, to);
    }

  private:
    Line *owner_;
};

Line::Line(Form &form, QString name, Control *container)
    : Control(form, std::move(name), ControlKind::Line),
      surface_(new LineSurface(this, form.containerWidget(container)))
{
    surface_->setFocusPolicy(Qt::NoFocus);
    attach(surface_);
}

Line::~Line()
{
    surface_->detach();
}

QWidget *Line::widget() const
{
    return surface_;
}

void Line::setX1(double twips)
{
    x1_ = twips;
    applyGeometry();
}
void Line::setY1(double twips)
{
    y1_ = twips;
    applyGeometry();
}
void Line::setX2(double twips)
{
    x2_ = twips;
    applyGeometry();
}
void Line::setY2(double twips)
{
    y2_ = twips;
    applyGeometry();
}

void Line::setEnds(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    applyGeometry();
}

void Line::setBorderColor(ColorValue color)
{
    color_ = color;
    surface_->update();
}

void Line::applyGeometry()
{
    const double tx = ParentForm().twipsPerPixelX();
    const double ty = ParentForm().twipsPerPixelY();
    const QPoint a(static_cast<int>(std::lround(x1_ / tx)),
                   static_cast<int>(std::lround(y1_ / ty)));
    const QPoint b(static_cast<int>(std::lround(x2_ / tx)),
                   static_cast<int>(std::lround(y2_ / ty)));
    const QRect box = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    surface_->setGeometry(box);
    surface_->from = a - box.topLeft();
    surface_->to = b - box.topLeft();
    surface_->update();
}
