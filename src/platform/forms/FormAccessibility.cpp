// Tintwell - how a window of the program presents itself to screen readers.
#include "platform/forms/FormAccessibility.h"

#include "platform/forms/Form.h"

#include <QAccessibleWidget>
#include <mutex>

namespace {

constexpr const char *RoleProperty = "tintwellAccessibleRole";

QAccessibleInterface *forForm(const QString & /*className*/, QObject *object)
{
    auto *form = qobject_cast<Form *>(object);
    if (!form) {
        auto *widget = qobject_cast<QWidget *>(object);
        const QVariant role = widget ? widget->property(RoleProperty) : QVariant();
        return role.isValid()
                   ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()))
                   : nullptr;
    }
    const QAccessible::Role role =
        form->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    // QAccessibleWidget names a window by its title.
    return new QAccessibleWidget(form, role); // owned by Qt's accessibility cache
}

} // namespace

void installFormAccessibility()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(forForm); });
}

void setAccessibleRole(QWidget &widget, QAccessible::Role role)
{
    installFormAccessibility();
    widget.setProperty(RoleProperty, static_cast<int>(role));
    renewAccessibleObject(widget);
}

void renewAccessibleObject(QWidget &widget)
{
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}
