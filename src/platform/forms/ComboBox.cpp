// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a sorted drop-down list with per-entry item data.
#include "platform/forms/ComboBox.h"

#include "platform/core/ReadableText.h"
#include "platform/forms/ControlWidget.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/forms/FormHost.h"
#include "platform/forms/Keys.h"
#include "platform/forms/WidgetColors.h"
#include "platform/services/ScreenMetrics.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

// The layer's drop-down list widget: a type of its own for the accessible
// object below to recognise.
class ComboBoxWidget final : public ControlWidget<QComboBox>
{
  public:
    using ControlWidget::ControlWidget;
};

// The list as screen readers see it: a combo box whose text is the entry it
// shows, so that the value is read with the label's caption when the list
// gets the focus (Qt's own object offers a screen reader no way to read the
// value of a list that is closed).
class ComboBoxAccessible final : public QAccessibleWidget, public OneRunText
{
  public:
    explicit ComboBoxAccessible(ComboBoxWidget *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        // As Qt's own: named by its value, labelled by its label.
        if (t == QAccessible::Name || t == QAccessible::Value) {
            return combo()->currentText();
        }
        return QAccessibleWidget::text(t);
    }

    // The entries, as in Qt's own object: the drop-down's list.
    [[nodiscard]] int childCount() const override { return 1; }
    [[nodiscard]] QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            combo()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

  private:
    // The text: the entry shown.
    [[nodiscard]] QString wholeText() const override { return combo()->currentText(); }
    [[nodiscard]] QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *forComboBox(const QString & /*className*/, QObject *object)
{
    auto *combo = dynamic_cast<ComboBoxWidget *>(object);
    return combo ? new ComboBoxAccessible(combo) : nullptr; // owned by Qt's accessibility cache
}

// Screen readers hear of the new entry when the keys change the closed list:
// the focus moves to that entry of the drop-down's list, as when the list is
// open (Qt's own notice of a new value reaches them without the value).
void announceEntry(QComboBox &combo)
{
    if (!QAccessible::isActive() || !combo.hasFocus() || combo.view()->isVisible() ||
        combo.currentIndex() < 0) {
        return;
    }
    QAccessibleEvent event(combo.view(), QAccessible::Focus);
    event.setChild(combo.currentIndex());
    QAccessible::updateAccessibility(&event);
}

} // namespace

ComboBox::ComboBox(FormHost &form, QString name, Control *container)
    : Control(form, std::move(name)), combo_(new ComboBoxWidget(*this, containerWidget(container)))
{
    installAccessibleFactory<forComboBox>();
    combo_->setEditable(false);
    combo_->setMaxVisibleItems(12);
    QObject::connect(combo_, &QComboBox::currentIndexChanged, context(), [this] {
        announceEntry(*combo_);
        if (onClick) {
            onClick();
        }
    });
    attach(combo_);
}

int ComboBox::AddItem(const QString &text, std::int32_t itemData)
{
    // A name that begins another sorts first: "Blue" before "Blue (Dark)".
    int at = sorted_ ? 0 : combo_->count();
    while (sorted_ && at < combo_->count() &&
           QString::compare(combo_->itemText(at), text, Qt::CaseInsensitive) <= 0) {
        ++at;
    }
    const QSignalBlocker quiet(combo_); // inserting never selects anything
    const int selected = combo_->currentIndex();
    combo_->insertItem(at, text, QVariant::fromValue(itemData));
    combo_->setCurrentIndex(selected < 0 ? -1 : (selected >= at ? selected + 1 : selected));
    return at;
}

int ComboBox::ListCount() const
{
    return combo_->count();
}
QString ComboBox::List(int index) const
{
    return combo_->itemText(index);
}

std::int32_t ComboBox::ItemData(int index) const
{
    return combo_->itemData(index).value<std::int32_t>();
}

int ComboBox::ListIndex() const
{
    return combo_->currentIndex();
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= combo_->count()) {
        throw std::out_of_range("list index out of range");
    }
    combo_->setCurrentIndex(index);
}

QString ComboBox::Text() const
{
    return combo_->currentText();
}

void ComboBox::setForeColor(ColorValue color)
{
    // The design's text colour comes with a ground it reads on, not the theme's.
    const ColorValue ground = readableTextOn(color);
    setWidgetColors(*combo_, {{QPalette::ButtonText, color},
                              {QPalette::Text, color},
                              {QPalette::Button, ground},
                              {QPalette::Base, ground}});
    drawWithItsPalette(*combo_);
}

// The drop-down list's height follows its font, whatever it is given.
void ComboBox::applyGeometry()
{
    box_.height = form().screenMetrics().toTwipsY(combo_->sizeHint().height());
    Control::applyGeometry();
}

// Enter belongs to the window's default button, whatever the platform's
// theme would have a list do with it (GTK's opens the list): the list
// itself opens with Alt+Down, F4 or Space.
bool ComboBox::widgetEvent(QEvent &event, ControlWidgetEvents &qt)
{
    if (event.type() == QEvent::KeyPress &&
        isEnterKey(static_cast<const QKeyEvent &>(event).key())) {
        event.ignore();
        return false;
    }
    return qt.qtEvent(event);
}
