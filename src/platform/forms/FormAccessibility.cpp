// Tintwell - how a window of the program presents itself to screen readers.
#include "platform/forms/FormAccessibility.h"

#include "platform/forms/Form.h"

#include <QAccessibleWidget>
#include <mutex>

namespace {

QAccessibleInterface *forForm(const QString & /*className*/, QObject *object)
{
    auto *form = qobject_cast<Form *>(object);
    if (!form) {
        return nullptr;
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
