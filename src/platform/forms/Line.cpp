// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a line between two points, in twips.
#include "platform/forms/Line.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/FormHost.h"
#include "platform/services/ScreenMetrics.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

// The pointer's events over it are the window's.
class LineSurface final : public ControlWidget<QWidget>
{
  public:
    LineSurface(Line &owner, QWidget *parent) : ControlWidget(owner, parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QPoint from, to; // in the surface's own pixels

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawLine(from, to);
    }
};

Line::Line(FormHost &form, QString name, Control *container)
    : Control(form, std::move(name)), surface_(new LineSurface(*this, containerWidget(container)))
{
    surface_->setFocusPolicy(Qt::NoFocus);
    attach(surface_);
}

void Line::setEnds(double x1, double y1, double x2, double y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    applyGeometry();
}

void Line::scaleGeometry(const TwipsScale &scale)
{
    setEnds(scale.x(x1_), scale.y(y1_), scale.x(x2_), scale.y(y2_));
}

void Line::applyGeometry()
{
    const ScreenMetrics &screen = form().screenMetrics();
    const QPoint a = screen.toPixels(QPointF(x1_, y1_));
    const QPoint b = screen.toPixels(QPointF(x2_, y2_));
    const QRect box = QRect(a, b).normalized().adjusted(0, 0, 1, 1);
    surface_->setGeometry(box);
    surface_->from = a - box.topLeft();
    surface_->to = b - box.topLeft();
    surface_->update();
}
