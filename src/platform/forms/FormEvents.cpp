// Tintwell - how a form hands Qt's events to its own and its controls' handlers.
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/LoadedForms.h"
#include "platform/services/ScreenMetrics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>

int characterCodeOf(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    if (ctrl && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        return '\n';
    }
    switch (key) {
    case Qt::Key_Backspace:
        return '\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return '\t';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return '\r';
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty() || (text.size() == 1 && text.at(0).unicode() == 127)) {
        return 0;
    }
    const char32_t code = text.toUcs4().value(0);
    return static_cast<int>(code);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_) {
        handleBackgroundMouse(event);
        return false;
    }
    Control *control = controlOf(watched);
    if (!control) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKeyPress(static_cast<QKeyEvent *>(event), control);
    case QEvent::KeyRelease:
        handleKeyRelease(static_cast<QKeyEvent *>(event), control);
        break;
    case QEvent::FocusOut:
        if (control->onLostFocus) {
            control->onLostFocus();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        handleMouse(event, static_cast<QWidget *>(watched), control);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Form::handleKeyPress(QKeyEvent *event, Control *control)
{
    QPointer<Form> guard(this);
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (keyPreview_) {
        Form_KeyDown(key, mods);
    }
    if (guard && control && control->onKeyDown) {
        control->onKeyDown(key, mods);
    }
    // An access key of the window never gets here: Qt's shortcut took it. Alt
    // with any other key types its character, so it is filtered like typing.
    int ascii = characterCodeOf(*event);
    if (guard && ascii != 0) {
        raiseKeyPress(control, ascii);
        if (ascii == 0) {
            return true; // the handler dropped the character
        }
    }
    if (!guard) {
        return true;
    }
    const bool plain = (mods & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && key == Qt::Key_Escape && cancelButton_ && cancelButton_->widget()->isEnabled()) {
        cancelButton_->click();
        return true;
    }
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // A focused button presses itself, the default one included.
    const bool controlTakesEnter = control && control->takesEnter();
    if (plain && enter && defaultButton_ && !controlTakesEnter &&
        defaultButton_->widget()->isEnabled()) {
        defaultButton_->click();
        return true;
    }
    return false;
}

void Form::raiseKeyPress(Control *control, int &keyAscii)
{
    QPointer<Form> guard(this);
    if (keyPreview_) {
        Form_KeyPress(keyAscii);
    }
    if (guard && keyAscii != 0 && control && control->onKeyPress) {
        control->onKeyPress(keyAscii);
    }
    if (!guard) {
        keyAscii = 0; // the form is gone: nothing is typed any more
    }
}

void Form::handleKeyRelease(QKeyEvent *event, Control *control)
{
    QPointer<Form> guard(this);
    if (keyPreview_) {
        Form_KeyUp(event->key(), event->modifiers());
    }
    if (guard && control && control->onKeyUp) {
        control->onKeyUp(event->key(), event->modifiers());
    }
}

// True when another control lies under the point, inside the given widget:
// the event is that control's, passed up to its container by Qt.
bool Form::controlBeneath(QWidget *widget, QPointF local) const
{
    for (QWidget *w = widget->childAt(local.toPoint()); w && w != widget; w = w->parentWidget()) {
        if (controlOf(w)) {
            return true;
        }
    }
    return false;
}

void Form::handleMouse(QEvent *event, QWidget *widget, Control *control)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF local = widget->mapFromGlobal(mouse->globalPosition());
    if (controlBeneath(widget, local)) {
        return;
    }
    const auto &handler = event->type() == QEvent::MouseButtonPress     ? control->onMouseDown
                          : event->type() == QEvent::MouseButtonRelease ? control->onMouseUp
                                                                        : control->onMouseMove;
    if (handler) {
        handler(mouse->buttons() | mouse->button(), screen_.toTwips(local));
    }
}

void Form::handleBackgroundMouse(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove) {
        return;
    }
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPointF local = client_->mapFromGlobal(mouse->globalPosition());
    if (client_->childAt(local.toPoint())) {
        return; // over a control: the event is the control's
    }
    const Qt::MouseButtons buttons = mouse->buttons() | mouse->button();
    const QPointF twips = screen_.toTwips(local);
    if (type == QEvent::MouseButtonPress) {
        Form_MouseDown(buttons, twips);
    } else if (type == QEvent::MouseButtonRelease) {
        Form_MouseUp(buttons, twips);
    } else {
        Form_MouseMove(buttons, twips);
    }
}

void Form::keyPressEvent(QKeyEvent *event)
{
    // Keys of a watched control were handled in eventFilter already.
    if (!controlOf(QApplication::focusWidget()) && handleKeyPress(event, nullptr)) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::keyReleaseEvent(QKeyEvent *event)
{
    if (!controlOf(QApplication::focusWidget())) {
        handleKeyRelease(event, nullptr);
    }
    QWidget::keyReleaseEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    // The close box, Alt+F4 and the session's end all ask for an unload; the
    // form's own unload handling decides what happens.
    event->ignore();
    unload();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resized();
}

void Form::resized()
{
    for (Control *c : Controls()) {
        c->formResized();
    }
    Form_Resize();
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (modalLoop_) {
        modalLoop_->quit();
    }
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    if (isActiveWindow()) {
        // Qt activates the new window before it deactivates the old one, so
        // the program is still marked active when the person moves between
        // two of its windows.
        const bool counts = activateOnShow_ || loadedForms_.programActive();
        activateOnShow_ = false;
        loadedForms_.setProgramActive(true);
        if (counts) {
            Form_Activate();
        }
    } else if (QApplication::activeWindow() == nullptr && !isHidden()) {
        // No window of the program took over, and this one was not hidden
        // by the program itself: the person went to another program.
        loadedForms_.setProgramActive(false);
    }
}
