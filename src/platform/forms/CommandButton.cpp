// Tintwell - a push button; the graphical style draws its own background colour.
#include "platform/forms/CommandButton.h"

#include "platform/forms/Form.h"

#include <QPushButton>

CommandButton::CommandButton(Form &form, QString name, Control *container)
    : Control(form, std::move(name), ControlKind::CommandButton),
      button_(new QPushButton(form.containerWidget(container)))
{
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, context(), [this] {
        if (onClick) {
            onClick();
        }
    });
    attach(button_);
}

QWidget *CommandButton::widget() const { return button_; }
QString CommandButton::Caption() const { return button_->text(); }
void CommandButton::setCaption(const QString &caption) { button_->setText(caption); }

void CommandButton::setBackColor(ColorValue color)
{
    QPalette pal = button_->palette();
    pal.setColor(QPalette::Button, toQColor(color));
    button_->setPalette(pal);
    button_->setAutoFillBackground(true);
}

ColorValue CommandButton::BackColor() const
{
    return fromQColor(button_->palette().color(QPalette::Button));
}

void CommandButton::click() { button_->click(); }
