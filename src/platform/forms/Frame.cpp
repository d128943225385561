// Tintwell - a frame: a captioned box that holds other controls.
#include "platform/forms/Frame.h"

#include "platform/forms/ControlWidget.h"

#include <QGroupBox>

Frame::Frame(Form &form, QString name, Control *container)
    : Control(form, std::move(name)),
      box_(new ControlWidget<QGroupBox>(*this, containerWidget(container)))
{
    attach(box_);
}

void Frame::setCaption(const QString &caption)
{
    box_->setTitle(caption);
}
