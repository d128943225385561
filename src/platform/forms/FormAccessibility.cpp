// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - how a window of the program presents itself to screen readers.
#include "platform/forms/FormAccessibility.h"

#include "platform/forms/Form.h"

#include <QAccessibleWidget>
#include <mutex>

namespace {

constexpr const char *RoleProperty = "tintwellAccessibleRole";
// Set on a widget whose focus announceFocus told, until Qt's own notice of it.
constexpr const char *FocusToldProperty = "tintwellFocusTold";

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

// Hands a notice on to the screen readers, but for Qt's own notice of a
// focus that announceFocus already told.
void passOn(QAccessibleEvent *event)
{
    QObject *object = event->object();
    if (event->type() == QAccessible::Focus && object &&
        object->property(FocusToldProperty).toBool()) {
        object->setProperty(FocusToldProperty, QVariant());
        return;
    }
    // Qt 6.4 hands a notice to the desktop's accessibility bridge only while
    // no handler is installed, and has no public call that reaches the bridge
    // otherwise (installUpdateHandler replaces the bridge's road, as its
    // documentation in qaccessible.cpp says; no Qt version offers another):
    // the handler steps aside for each notice it passes on. Only
    // this thread sends notices, so none can slip past meanwhile.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOn);
}

} // namespace

void installFormAccessibility()
{
    installAccessibleFactory<forForm>();
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

void announceFocus(QWidget &widget)
{
    if (!QAccessible::isActive() || !widget.hasFocus()) {
        return;
    }
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installUpdateHandler(passOn); });
    widget.setProperty(FocusToldProperty, QVariant());
    QAccessibleEvent event(&widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
    widget.setProperty(FocusToldProperty, true);
}
