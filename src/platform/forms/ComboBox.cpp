// Tintwell - a sorted drop-down list with per-entry item data.
#include "platform/forms/ComboBox.h"

#include "platform/forms/Form.h"
#include "platform/services/ScreenMetrics.h"

#include <QComboBox>

ComboBox::ComboBox(Form &form, QString name, Control *container)
    : Control(form, std::move(name)), combo_(new QComboBox(form.containerWidget(container)))
{
    combo_->setEditable(false);
    combo_->setMaxVisibleItems(12);
    QObject::connect(combo_, &QComboBox::currentIndexChanged, context(), [this] {
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

void ComboBox::setItemData(int index, std::int32_t data)
{
    combo_->setItemData(index, QVariant::fromValue(data));
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
    QPalette pal = combo_->palette();
    pal.setColor(QPalette::ButtonText, toQColor(color));
    pal.setColor(QPalette::Text, toQColor(color));
    combo_->setPalette(pal);
}

void ComboBox::setHeight(double)
{
    throw PropertyNotSupported(Name(), "Height");
}

void ComboBox::applyGeometry()
{
    height_ = ParentForm().screenMetrics().toTwipsY(combo_->sizeHint().height());
    Control::applyGeometry();
}
