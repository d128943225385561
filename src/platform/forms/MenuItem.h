// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a menu or a menu item: a caption with an access key, an
// optional shortcut key, no position and no font of its own.
#pragma once

#include "platform/forms/Control.h"

#include <QKeySequence>

class QAction;
class QMenu;
class QMenuBar;

// Marks a command on the menu bar itself, with no list under it.
struct BarCommand
{
};

class MenuItem final : public Control
{
  public:
    // A menu on the form's menu bar.
    MenuItem(FormHost &form, QString name, const QString &caption, QMenuBar *bar);
    // A command on the menu bar: clicking its caption runs it.
    MenuItem(FormHost &form, QString name, const QString &caption, QMenuBar *bar, BarCommand);
    // An item of a menu; the caption "-" makes a separator.
    MenuItem(FormHost &form, QString name, const QString &caption, MenuItem &menu);
    ~MenuItem() override;

    [[nodiscard]] QString Caption() const;
    void setShortcut(const QKeySequence &shortcut);
    void trigger();
    void setEnabled(bool enabled) override;

    std::function<void()> onClick;

  private:
    void connectTrigger();

    QMenu *menu_ = nullptr; // a menu's drop-down, owned by the menu bar
    QAction *action_;
};
