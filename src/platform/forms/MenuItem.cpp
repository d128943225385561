// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a menu or a menu item.
#include "platform/forms/MenuItem.h"

#include "platform/forms/FormHost.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuItem::MenuItem(FormHost &form, QString name, const QString &caption, QMenuBar *bar)
    : Control(form, std::move(name)), menu_(new QMenu(caption, bar)), action_(menu_->menuAction())
{
    menu_->setObjectName(Name());
    action_->setObjectName(Name());
    bar->addMenu(menu_);
}

MenuItem::MenuItem(FormHost &form, QString name, const QString &caption, MenuItem &menu)
    : Control(form, std::move(name)), action_(new QAction(caption, menu.menu_))
{
    action_->setObjectName(Name());
    if (caption == QLatin1String("-")) {
        action_->setSeparator(true);
        action_->setText(QString()); // a separator shows no text
    }
    // The form's own shortcuts: they work from any control of the form.
    action_->setShortcutContext(Qt::WindowShortcut);
    form.clientArea().addAction(action_);
    menu.menu_->addAction(action_);
    connectTrigger();
}

MenuItem::MenuItem(FormHost &form, QString name, const QString &caption, QMenuBar *bar, BarCommand)
    : Control(form, std::move(name)), action_(new QAction(caption, bar))
{
    action_->setObjectName(Name());
    bar->addAction(action_);
    connectTrigger();
}

void MenuItem::connectTrigger()
{
    QObject::connect(action_, &QAction::triggered, context(), [this] {
        if (onClick) {
            onClick();
        }
    });
}

MenuItem::~MenuItem() = default;

QString MenuItem::Caption() const
{
    return action_->text();
}
void MenuItem::setShortcut(const QKeySequence &shortcut)
{
    action_->setShortcut(shortcut);
}

void MenuItem::trigger()
{
    action_->trigger();
}

void MenuItem::setEnabled(bool enabled)
{
    action_->setEnabled(enabled);
}
