// Tintwell - a control on a form: geometry in twips, a font size in points.
#include "platform/forms/Control.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/FocusRing.h"
#include "platform/forms/FontFamilies.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/services/ScreenMetrics.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace {

bool isPointer(const QEvent &event)
{
    const QEvent::Type type = event.type();
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseMove;
}

// True when a control's widget other than the given one lies under the
// point: the event is that control's, passed up by Qt.
bool otherControlAt(const QWidget &widget, QPointF local)
{
    for (const QWidget *w = widget.childAt(local.toPoint()); w && w != &widget;
         w = w->parentWidget()) {
        if (dynamic_cast<const ControlWidgetEvents *>(w)) {
            return true;
        }
    }
    return false;
}

} // namespace

PropertyNotSupported::PropertyNotSupported(const QString &control, const char *property)
    : std::runtime_error(control.toStdString() + " has no settable property " + property)
{
}

Control::Control(Form &form, QString name) : form_(form), name_(std::move(name)) {}

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
}

QWidget *Control::containerWidget(Control *container) const
{
    return container && container->widget() ? container->widget() : form_.client_;
}

double Control::dockedHeightAbove() const
{
    return form_.dockedHeightAbove(this);
}

void Control::requireBox(const char *property) const
{
    if (!hasBox()) {
        throw PropertyNotSupported(name_, property);
    }
}

QWidget &Control::shown(const char *property) const
{
    if (!widget_) {
        throw PropertyNotSupported(name_, property);
    }
    return *widget_;
}

void Control::scaleGeometry(const TwipsScale &scale)
{
    if (hasBox()) {
        Move(scale.x(left_), scale.y(top_), scale.x(width_), scale.y(height_));
    }
}

double Control::boxed(const char *property, double twips) const
{
    requireBox(property);
    return twips;
}

void Control::place(const char *property, double &twips, double value)
{
    requireBox(property);
    twips = value;
    applyGeometry();
}

void Control::Move(double left, double top, double width, double height)
{
    requireBox("Move");
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::applyGeometry()
{
    if (QWidget *w = widget()) {
        w->setGeometry(form_.screenMetrics().toPixels(left_, top_, width_, height_));
    }
}

double Control::FontSize() const
{
    if (!hasFont()) {
        throw PropertyNotSupported(name_, "FontSize");
    }
    return widget()->font().pointSizeF();
}

void Control::setFontSize(double points)
{
    if (!hasFont() || points <= 0) {
        throw PropertyNotSupported(name_, "FontSize");
    }
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

void Control::setAccessibleRole(QAccessible::Role role)
{
    ::setAccessibleRole(shown("AccessibleRole"), role);
}

bool Control::receive(QEvent &event, ControlWidgetEvents &qt)
{
    switch (event.type()) {
    case QEvent::KeyPress:
        return keyPressed(static_cast<QKeyEvent &>(event), qt);
    case QEvent::KeyRelease: {
        const QPointer<Form> form(&form_);
        form_.keyUp(static_cast<QKeyEvent &>(event));
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
    default:
        if (isPointer(event)) {
            pointer(static_cast<const QMouseEvent &>(event));
        }
        break;
    }
    return widgetEvent(event, qt);
}

bool Control::keyPressed(QKeyEvent &key, ControlWidgetEvents &qt)
{
    const QPointer<Form> form(&form_);
    if (form_.keyDown(this, key)) {
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
    form_.keyTyped(this, keyAscii);
}

void Control::pointer(const QMouseEvent &mouse)
{
    const QPointF local = widget()->mapFromGlobal(mouse.globalPosition());
    if (otherControlAt(*widget(), local)) {
        return;
    }
    const auto &handler = mouse.type() == QEvent::MouseButtonPress     ? onMouseDown
                          : mouse.type() == QEvent::MouseButtonRelease ? onMouseUp
                                                                       : onMouseMove;
    if (handler) {
        handler(mouse.buttons() | mouse.button(), form_.screen_.toTwips(local));
    }
}
