// Tintwell - a horizontal scroll bar with a 16-bit value and two step sizes.
#include "platform/forms/ScrollBar.h"

#include "platform/forms/Form.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <cstdint>
#include <limits>

namespace {

int clampTo16Bits(int v)
{
    return std::clamp(v, int{std::numeric_limits<std::int16_t>::min()},
                      int{std::numeric_limits<std::int16_t>::max()});
}

// Right arrow and Page Down move towards the maximum, the thumb to the right.
class LeftToRightScrollBar final : public QScrollBar
{
  public:
    LeftToRightScrollBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
    {
        setInvertedControls(false);
    }

  protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            break;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            break;
        default:
            QScrollBar::keyPressEvent(event);
        }
    }
};

} // namespace

ScrollBar::ScrollBar(Form &form, QString name, Control *container)
    : Control(form, std::move(name)),
      bar_(new LeftToRightScrollBar(form.containerWidget(container)))
{
    bar_->setTracking(true);
    bar_->setFocusPolicy(Qt::StrongFocus); // a tab stop, moved with the arrow keys
    QObject::connect(bar_, &QScrollBar::valueChanged, context(), [this] {
        const auto &handler = bar_->isSliderDown() ? onScroll : onChange;
        if (handler) {
            handler();
        }
    });
    attach(bar_);
}

int ScrollBar::Value() const
{
    return bar_->value();
}

void ScrollBar::setValue(int value)
{
    // QScrollBar clamps into its range and stays silent when nothing changes.
    bar_->setValue(value);
}

void ScrollBar::setRange(int min, int max)
{
    bar_->setRange(clampTo16Bits(min), clampTo16Bits(max));
}
int ScrollBar::Min() const
{
    return bar_->minimum();
}
int ScrollBar::Max() const
{
    return bar_->maximum();
}
void ScrollBar::setSmallChange(int step)
{
    bar_->setSingleStep(clampTo16Bits(step));
}
void ScrollBar::setLargeChange(int step)
{
    bar_->setPageStep(clampTo16Bits(step));
}
