// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a push button; the graphical style draws its own background colour.
#include "platform/forms/CommandButton.h"

#include "platform/core/ReadableText.h"
#include "platform/forms/ControlWidget.h"
#include "platform/forms/Keys.h"
#include "platform/forms/WidgetColors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Captions wrap onto several lines when the button is too narrow for one,
// the way a tall button shows "View Color" above "(F2)".
class WrappingButton final : public ControlWidget<QPushButton>
{
  public:
    using ControlWidget::ControlWidget;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const int shift = isDown() ? 1 : 0;
        const QRect area = rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift);
        const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        painter.drawItemText(area, flags, palette(), isEnabled(), caption, QPalette::ButtonText);
        // The focus is shown by the control's ring (Control::receive).
    }
};

// An access key presses the button at once and clicks it 100 ms later; a key
// typed in between may bring up a modal box (a complaint about that key), and
// the click would then run its command behind the box.
bool blockedByModalWindow(const QWidget &button)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != button.window();
}

} // namespace

CommandButton::CommandButton(FormHost &form, QString name, Control *container)
    : Control(form, std::move(name)), button_(new WrappingButton(*this, containerWidget(container)))
{
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, context(), [this] {
        if (onClick && !blockedByModalWindow(*button_)) {
            onClick();
        }
    });
    attach(button_);
}

QString CommandButton::Caption() const
{
    return button_->text();
}
void CommandButton::setCaption(const QString &caption)
{
    button_->setText(caption);
}

void CommandButton::setBackColor(ColorValue color)
{
    // A caption on a colour of the design's own reads on it, whatever the theme.
    setWidgetColors(*button_,
                    {{QPalette::Button, color}, {QPalette::ButtonText, readableTextOn(color)}});
    button_->setAutoFillBackground(true);
    drawWithItsPalette(*button_);
}

ColorValue CommandButton::BackColor() const
{
    return fromQColor(button_->palette().color(QPalette::Button));
}

void CommandButton::setPicture(const QIcon &picture, QSize pixels)
{
    button_->setIcon(picture);
    button_->setIconSize(pixels);
}

void CommandButton::click()
{
    button_->click();
}

// Enter presses the focused button, as Space does.
bool CommandButton::widgetEvent(QEvent &event, ControlWidgetEvents &qt)
{
    if (event.type() == QEvent::KeyPress) {
        if (isPlainEnter(static_cast<const QKeyEvent &>(event))) {
            click();
            return true;
        }
    }
    return qt.qtEvent(event);
}

void CommandButton::yieldAccessKeys(const QList<QKeySequence> &taken)
{
    const QKeySequence key = QKeySequence::mnemonic(Caption());
    if (!key.isEmpty() && taken.contains(key)) {
        button_->setShortcut(QKeySequence());
    }
}
