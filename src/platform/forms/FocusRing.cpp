// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the ring that shows which control has the keyboard.
#include "platform/forms/FocusRing.h"

#include <QEvent>
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

// Covers the marked widget whole, takes no pointer and no keys, and paints
// the ring only.
class RingCover final : public QWidget
{
  public:
    explicit RingCover(QWidget &marked) : QWidget(&marked), marked_(marked)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        marked.installEventFilter(this);
        setGeometry(marked.rect());
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &marked_) {
            switch (event->type()) {
            case QEvent::Resize:
                setGeometry(marked_.rect());
                break;
            case QEvent::FocusIn:
            case QEvent::FocusOut:
            case QEvent::Show:
            case QEvent::ChildAdded: // a scroll bar made later would cover the ring
                raise();
                update();
                break;
            default:
                break;
            }
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        if (marked_.hasFocus()) {
            paintFocusRing(*this);
        }
    }

  private:
    QWidget &marked_;
};

} // namespace

void keepFocusRingOnTop(QWidget &widget)
{
    new RingCover(widget); // owned by the widget, as its child
}

void paintFocusRing(QWidget &widget)
{
    QPainter painter(&widget);
    const QRect outer = widget.rect();
    band(painter, outer, Qt::black);
    band(painter, outer.adjusted(LineWidth, LineWidth, -LineWidth, -LineWidth), Qt::white);
}
