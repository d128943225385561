// Tintwell - a label: a caption, optionally sized to it, optionally transparent.
#include "platform/forms/Label.h"

#include "platform/forms/Form.h"

#include <QLabel>

Label::Label(Form &form, QString name, Control *container)
    : Control(form, std::move(name), ControlKind::Label),
      label_(new QLabel(form.containerWidget(container)))
{
    label_->setAutoFillBackground(false);
    label_->setTextFormat(Qt::PlainText);
    attach(label_);
}

QWidget *Label::widget() const
{
    return label_;
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

void Label::applyGeometry()
{
    if (autoSize_) {
        const QSize need = label_->sizeHint();
        width_ = need.width() * ParentForm().twipsPerPixelX();
        height_ = need.height() * ParentForm().twipsPerPixelY();
    }
    Control::applyGeometry();
}
