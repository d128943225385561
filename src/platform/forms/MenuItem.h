// Tintwell - a menu or a menu item: a caption with an access key, an
// optional shortcut key, no position and no font of its own.
#pragma once

#include "platform/forms/Control.h"

#include <QKeySequence>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;

class MenuItem final : public Control
{
  public:
    // A menu on the form's menu bar.
    MenuItem(Form &form, QString name, const QString &caption, QMenuBar *bar);
    // An item of a menu; the caption "-" makes a separator.
    MenuItem(Form &form, QString name, const QString &caption, MenuItem &menu);
    ~MenuItem() override;

    [[nodiscard]] QWidget *widget() const override { return nullptr; }
    [[nodiscard]] QAction *action() const { return action_; }
    [[nodiscard]] QString Caption() const;
    void setShortcut(const QKeySequence &shortcut);
    void setChecked(bool checked);
    void setItemEnabled(bool enabled);
    void trigger();

    std::function<void()> onClick;

  private:
    std::unique_ptr<QMenu> menu_; // a menu owns its drop-down
    QAction *action_;
};
