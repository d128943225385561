// Tintwell - a label: a caption, optionally sized to it, transparent or on a
// background colour of its own.
#include "platform/forms/Label.h"

#include "platform/forms/Form.h"
#include "platform/services/ScreenMetrics.h"

#include <QLabel>

Label::Label(Form &form, QString name, Control *container)
    : Control(form, std::move(name)), label_(new QLabel(form.containerWidget(container)))
{
    label_->setAutoFillBackground(false);
    label_->setTextFormat(Qt::PlainText);
    attach(label_);
}

QString Label::Caption() const
{
    return label_->text();
}

void Label::setCaption(const QString &caption)
{
    label_->setText(caption);
    applyGeometry();
}

void Label::setAutoSize(bool on)
{
    autoSize_ = on;
    applyGeometry();
}

void Label::setAlignment(Qt::Alignment alignment)
{
    label_->setAlignment(alignment);
}

void Label::setForeColor(ColorValue color)
{
    QPalette pal = label_->palette();
    pal.setColor(QPalette::WindowText, toQColor(color));
    label_->setPalette(pal);
}

ColorValue Label::ForeColor() const
{
    return fromQColor(label_->palette().color(QPalette::WindowText));
}

void Label::setBorder(bool single)
{
    label_->setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    applyGeometry();
}

bool Label::hasBorder() const
{
    return label_->frameShape() != QFrame::NoFrame;
}

void Label::setTransparent(bool transparent)
{
    label_->setAutoFillBackground(!transparent);
}

void Label::setBackColor(ColorValue color)
{
    QPalette pal = label_->palette();
    pal.setColor(QPalette::Window, toQColor(color));
    label_->setPalette(pal);
}

ColorValue Label::BackColor() const
{
    return fromQColor(label_->palette().color(QPalette::Window));
}

void Label::applyGeometry()
{
    if (autoSize_) {
        const QSize need = label_->sizeHint();
        const ScreenMetrics &screen = ParentForm().screenMetrics();
        width_ = screen.toTwipsX(need.width());
        height_ = screen.toTwipsY(need.height());
    }
    Control::applyGeometry();
}
