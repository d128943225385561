// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a control on a form: geometry in twips, a font size in points.
// Each kind of control says itself what it has (a box, a font that layout
// scales) and how its geometry scales.
#pragma once

#include "platform/core/TwipsRect.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class ControlWidgetEvents;
class FormHost;
class QEvent;
class QFont;
class QKeyEvent;
class QMouseEvent;

// The roles screen readers announce for controls where the widget's own
// would mislead: a drawing surface is a picture, not a frame.
enum class AccessibleRole
{
    Graphic,
    ToolBar,
    Separator,
};

// How a coordinate in twips is scaled: once along x, once along y.
struct TwipsScale
{
    std::function<double(double)> x;
    std::function<double(double)> y;
};

class Control
{
  public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    [[nodiscard]] const QString &Name() const { return name_; }
    // The Qt widget that shows the control; null for a menu item. The
    // control owns it.
    [[nodiscard]] QWidget *widget() const { return widget_; }

    // Kind-specific answers.
    // True for the kinds whose text the layout scales with the window: text
    // boxes, lists, labels and buttons. (Frames would be among them; no
    // window of this program has one, so there is no frame kind.)
    [[nodiscard]] virtual bool scalesFont() const { return false; }
    // Scales the control's geometry: its box, or what the kind has instead
    // (a line's ends; a menu item has nothing to scale, a list's height
    // follows its font).
    virtual void scaleGeometry(const TwipsScale &scale);
    // Leaves Alt with a caption's marked letter to one of the given keys' owners.
    virtual void yieldAccessKeys(const QList<QKeySequence> & /*taken*/) {}
    // True for a container docked along the top of the form: it spans the
    // client area's width, and the form's ScaleHeight leaves it out.
    [[nodiscard]] virtual bool isDockedTop() const { return false; }
    // The form's client area changed size.
    virtual void formResized() {}

    [[nodiscard]] double Left() const { return box_.left; }
    [[nodiscard]] double Top() const { return box_.top; }
    [[nodiscard]] double Width() const { return box_.width; }
    [[nodiscard]] double Height() const { return box_.height; }
    void setLeft(double twips) { Move({twips, box_.top, box_.width, box_.height}); }
    void setWidth(double twips) { Move({box_.left, box_.top, twips, box_.height}); }
    void Move(const TwipsRect &box);

    [[nodiscard]] double FontSize() const;
    void setFontSize(double points);
    void setFontName(const QString &family);
    void setFontBold(bool bold)
    {
        changeFont([bold](QFont &f) { f.setBold(bold); });
    }
    void setFontUnderline(bool on)
    {
        changeFont([on](QFont &f) { f.setUnderline(on); });
    }
    // A window's "every control in this font": each of the controls that has
    // a font takes the family and the size; lines and menu items have none.
    static void setFontOfAll(const std::vector<Control *> &controls, const QString &family,
                             double points);

    [[nodiscard]] int TabIndex() const { return tabIndex_; }
    void setTabIndex(int index) { tabIndex_ = index; }
    // These need a widget: a menu item has none.
    void setToolTipText(const QString &text) { widget_->setToolTip(text); }
    void setAccessibleName(const QString &name) { widget_->setAccessibleName(name); }
    // The role screen readers announce, where the widget's own would mislead.
    void setAccessibleRole(AccessibleRole role);
    void setMousePointer(Qt::CursorShape shape) { widget_->setCursor(shape); }
    void setFocus() { widget_->setFocus(Qt::OtherFocusReason); }
    // A disabled control takes no clicks, keys or focus, and looks it.
    virtual void setEnabled(bool enabled) { widget_->setEnabled(enabled); }

    // Events of the control, raised at once on the user-interface thread.
    // A key-press handler may set the character code to 0 to drop the key.
    std::function<void(int &keyAscii)> onKeyPress;
    std::function<void(Qt::MouseButtons, QPointF twips)> onMouseDown;
    std::function<void(Qt::MouseButtons, QPointF twips)> onMouseMove;
    std::function<void(Qt::MouseButtons, QPointF twips)> onMouseUp;

  protected:
    Control(FormHost &form, QString name);
    // The form the control is on, as far as a control may ask it.
    [[nodiscard]] FormHost &form() const { return form_; }
    // A control without a font (a line, a menu item) answers false.
    [[nodiscard]] virtual bool hasFont() const { return widget() != nullptr; }
    // Called once the widget exists: names it and takes ownership.
    void attach(QWidget *widget);
    // The widget a new control's widget goes in: the container's, or the
    // form's client area.
    [[nodiscard]] QWidget *containerWidget(Control *container) const;
    // The kind's own handling of an event its widget received, after the
    // handlers above ran: by default Qt's. A key that the kind leaves (does
    // not accept) may still press the form's default or cancel button.
    virtual bool widgetEvent(QEvent &event, ControlWidgetEvents &qt);
    // A character typed in the control, from a key or an input method: the
    // key-press handler sees it and may drop it (code 0). 0 too when the
    // handler closed the form.
    void keyTyped(int &keyAscii);
    // Re-applies the twips geometry in pixels; labels that size themselves override it.
    virtual void applyGeometry();
    // A QObject that lives exactly as long as the control: the context of its
    // signal connections, so none outlives it.
    [[nodiscard]] QObject *context() { return context_.get(); }

    TwipsRect box_; // in twips, in the container or the form's client area

  private:
    template <class> friend class ControlWidget;
    // Every event of the control's widget comes here first.
    bool receive(QEvent &event, ControlWidgetEvents &qt);
    bool keyPressed(QKeyEvent &key, ControlWidgetEvents &qt);
    void changeFont(const std::function<void(QFont &)> &change);
    void pointer(const QMouseEvent &mouse);

    FormHost &form_;
    QString name_;
    int tabIndex_ = -1;
    std::unique_ptr<QObject> context_ = std::make_unique<QObject>();
    QPointer<QWidget> widget_;
};
