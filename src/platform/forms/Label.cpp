// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a label: a caption, optionally sized to it, transparent or on a
// background colour of its own.
#include "platform/forms/Label.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/FocusRing.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/forms/FormHost.h"
#include "platform/forms/Keys.h"
#include "platform/forms/WidgetColors.h"
#include "platform/services/ScreenMetrics.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>

// A caption that can also be a link, followed from the keyboard.
class LabelWidget final : public ControlWidget<QLabel>
{
  public:
    using ControlWidget::ControlWidget;

    std::function<void()> follow;
};

namespace {

// A link label as screen readers see it: named by its caption, pressed
// through the accessibility bus as with Enter.
class LinkAccessible final : public QAccessibleWidget
{
  public:
    explicit LinkAccessible(LabelWidget *link) : QAccessibleWidget(link, QAccessible::Link) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return link()->text();
        }
        return QAccessibleWidget::text(t);
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && link()->follow) {
            link()->follow();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

  private:
    [[nodiscard]] LabelWidget *link() const { return static_cast<LabelWidget *>(widget()); }
};

QAccessibleInterface *forLink(const QString & /*className*/, QObject *object)
{
    auto *label = dynamic_cast<LabelWidget *>(object);
    if (!label || !label->follow) {
        return nullptr;
    }
    return new LinkAccessible(label); // owned by Qt's accessibility cache
}

} // namespace

Label::Label(FormHost &form, QString name, Control *container)
    : Control(form, std::move(name)), label_(new LabelWidget(*this, containerWidget(container)))
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
    setWidgetColors(*label_, {{QPalette::WindowText, color}});
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
    setWidgetColors(*label_, {{QPalette::Window, color}});
}

void Label::setBuddy(Control &described)
{
    label_->setBuddy(described.widget());
}

void Label::setLink(std::function<void()> follow)
{
    installAccessibleFactory<forLink>();
    label_->follow = std::move(follow);
    // Reached with Tab only: a click leaves the keyboard where it was.
    label_->setFocusPolicy(label_->follow ? Qt::TabFocus : Qt::NoFocus);
    // Room for the focus ring around the caption, which it would cover.
    label_->setMargin(label_->follow ? FocusRingWidth : 0);
    applyGeometry();
    renewAccessibleObject(*label_);
}

// Enter and Space follow a link.
bool Label::widgetEvent(QEvent &event, ControlWidgetEvents &qt)
{
    if (event.type() == QEvent::KeyPress && label_->follow) {
        const int key = static_cast<const QKeyEvent &>(event).key();
        if (isEnterKey(key) || key == Qt::Key_Space) {
            label_->follow();
            return true;
        }
    }
    return qt.qtEvent(event);
}

void Label::applyGeometry()
{
    if (autoSize_) {
        const QSize need = label_->sizeHint();
        const ScreenMetrics &screen = form().screenMetrics();
        box_.width = screen.toTwipsX(need.width());
        box_.height = screen.toTwipsY(need.height());
    }
    Control::applyGeometry();
    // The caption stays where it was laid out; the margin lies around it.
    const int margin = label_->margin();
    label_->move(label_->pos() - QPoint(margin, margin));
}
