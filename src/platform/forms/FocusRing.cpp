// Tintwell - the ring that shows which control has the keyboard.
#include "platform/forms/FocusRing.h"

#include <QPainter>
#include <QWidget>

namespace {

constexpr int LineWidth = FocusRingWidth / 2;

// A band of the given width just inside the rectangle's edges.
void band(QPainter &painter, const QRect &r, const QColor &colour)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width(), LineWidth), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - LineWidth + 1, r.width(), LineWidth), colour);
    painter.fillRect(QRect(r.left(), r.top(), LineWidth, r.height()), colour);
    painter.fillRect(QRect(r.right() - LineWidth + 1, r.top(), LineWidth, r.height()), colour);
}

} // namespace

void paintFocusRing(QWidget &widget)
{
    QPainter painter(&widget);
    const QRect outer = widget.rect();
    band(painter, outer, Qt::black);
    band(painter, outer.adjusted(LineWidth, LineWidth, -LineWidth, -LineWidth), Qt::white);
}
