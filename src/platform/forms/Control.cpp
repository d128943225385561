// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a control on a form: geometry in twips, a font size in points.
#include "platform/forms/Control.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/FocusRing.h"
#include "platform/forms/FontFamilies.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/forms/FormHost.h"
#include "platform/forms/Keys.h"
#include "platform/services/ScreenMetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

Control::Control(FormHost &form, QString name) : form_(form), name_(std::move(name)) {}

Control::~Control()
{
    // No handler may run while the widget goes: its signals end first.
    context_.reset();
    delete widget_.data();
}

void Control::attach(QWidget *widget)
{
    widget_ = widget;
    widget->setObjectName(name_);
    widget->setMouseTracking(true); // the pointer moving with no button down
    // What the widget leaves of the pointer's events stays with it: Qt would
    // pass it up to the container's control, or to the form.
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

QWidget *Control::containerWidget(Control *container) const
{
    return container && container->widget() ? container->widget() : &form_.clientArea();
}

void Control::scaleGeometry(const TwipsScale &scale)
{
    Move({scale.x(box_.left), scale.y(box_.top), scale.x(box_.width), scale.y(box_.height)});
}

void Control::Move(const TwipsRect &box)
{
    box_ = box;
    applyGeometry();
}

void Control::applyGeometry()
{
    if (QWidget *w = widget()) {
        w->setGeometry(form_.screenMetrics().toPixels(box_));
    }
}

double Control::FontSize() const
{
    return hasFont() ? widget()->font().pointSizeF() : 0;
}

void Control::setFontSize(double points)
{
    changeFont([points](QFont &font) { font.setPointSizeF(points); });
}

void Control::setFontName(const QString &family)
{
    changeFont([&family](QFont &font) { font.setFamilies(fontFamilies(family)); });
}

// The size the control takes may follow its font (a label sized to its caption).
void Control::changeFont(const std::function<void(QFont &)> &change)
{
    if (hasFont()) {
        QFont font = widget()->font();
        change(font);
        widget()->setFont(font);
        applyGeometry();
    }
}

void Control::setFontOfAll(const std::vector<Control *> &controls, const QString &family,
                           double points)
{
    for (Control *control : controls) {
        if (control->hasFont()) {
            control->setFontName(family);
            control->setFontSize(points);
        }
    }
}

void Control::setAccessibleRole(AccessibleRole role)
{
    ::setAccessibleRole(*widget_, role == AccessibleRole::Graphic   ? QAccessible::Graphic
                                  : role == AccessibleRole::ToolBar ? QAccessible::ToolBar
                                                                    : QAccessible::Separator);
}

bool Control::receive(QEvent &event, ControlWidgetEvents &qt)
{
    switch (event.type()) {
    case QEvent::KeyPress:
        return keyPressed(static_cast<QKeyEvent &>(event), qt);
    case QEvent::KeyRelease: {
        const QPointer<QWidget> form(&form_.clientArea());
        form_.keyReleased(static_cast<QKeyEvent &>(event));
        if (!form) {
            return true;
        }
        widgetEvent(event, qt);
        event.accept(); // the control's keys end at the control
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        widget()->update(); // the focus ring comes or goes
        break;
    case QEvent::Paint: {
        const bool painted = widgetEvent(event, qt);
        if (widget()->hasFocus()) {
            paintFocusRing(*widget());
        }
        return painted;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        pointer(static_cast<const QMouseEvent &>(event));
        break;
    default:
        break;
    }
    return widgetEvent(event, qt);
}

// An access key of the window never gets here: Qt's shortcut took it. Alt
// with any other key types its character, so it is filtered like typing.
bool Control::keyPressed(QKeyEvent &key, ControlWidgetEvents &qt)
{
    const QPointer<QWidget> form(&form_.clientArea());
    if (isCommandLetter(key)) {
        key.accept(); // no access key or menu took it: nothing happens
        return true;
    }
    const int typed = characterCodeOf(key);
    int kept = typed;
    if (typed != 0) {
        keyTyped(kept);
    }
    if (typed == 0 || kept != 0) {
        widgetEvent(key, qt);
        if (form && !key.isAccepted()) {
            form_.pressDefaultOrCancel(key);
        }
    }
    // The key ends here: the form's own key handling is for keys that no
    // control has the focus for.
    key.accept();
    return true;
}

bool Control::widgetEvent(QEvent &event, ControlWidgetEvents &qt)
{
    return qt.qtEvent(event);
}

void Control::keyTyped(int &keyAscii)
{
    const QPointer<QWidget> form(&form_.clientArea());
    if (onKeyPress) {
        onKeyPress(keyAscii);
    }
    if (!form) {
        keyAscii = 0; // the form is gone: nothing is typed any more
    }
}

void Control::pointer(const QMouseEvent &mouse)
{
    const QPointF local = widget()->mapFromGlobal(mouse.globalPosition());
    const auto &handler = mouse.type() == QEvent::MouseButtonPress     ? onMouseDown
                          : mouse.type() == QEvent::MouseButtonRelease ? onMouseUp
                                                                       : onMouseMove;
    if (handler) {
        handler(mouse.buttons() | mouse.button(), form_.screenMetrics().toTwips(local));
    }
}
