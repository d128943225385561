// Tintwell - how Qt's events reach a form's own handlers, and the key steps
// that the form runs for its controls.
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Keys.h"
#include "platform/forms/ProgramForms.h"
#include "platform/services/ScreenMetrics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>

int characterCodeOf(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier);
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return key - Qt::Key_A + 1;
    }
    if (ctrl && isEnterKey(key)) {
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

bool Form::keyDown(Control *control, const QKeyEvent &event)
{
    // An access key of the window never gets here: Qt's shortcut took it. Alt
    // with any other key types its character, so it is filtered like typing.
    int ascii = characterCodeOf(event);
    if (ascii == 0) {
        return true;
    }
    keyTyped(control, ascii); // 0 when dropped, or when the form is gone
    return ascii != 0;
}

void Form::keyTyped(Control *control, int &keyAscii)
{
    QPointer<Form> guard(this);
    if (keyAscii != 0 && control && control->onKeyPress) {
        control->onKeyPress(keyAscii);
    }
    if (!guard) {
        keyAscii = 0; // the form is gone: nothing is typed any more
    }
}

void Form::keyUp(const QKeyEvent &event)
{
    if (keyPreview_) {
        Form_KeyUp(event.key(), event.modifiers());
    }
}

bool Form::pressDefaultOrCancel(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    CommandButton *button = isEnterKey(event.key())         ? defaultButton_
                            : event.key() == Qt::Key_Escape ? cancelButton_
                                                            : nullptr;
    if (!button || !button->widget()->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

// The pointer moving over the client area, and what the controls left of
// it, rise to the form: only where no control lies under it is it the
// form's own.
void Form::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF local = client_->mapFromGlobal(event->globalPosition());
    if (client_->childAt(local.toPoint())) {
        return; // over a control: the event is the control's
    }
    Form_MouseMove(event->buttons(), screen_.toTwips(local));
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (keyDown(nullptr, *event) && !pressDefaultOrCancel(*event)) {
        QWidget::keyPressEvent(event);
    }
}

void Form::keyReleaseEvent(QKeyEvent *event)
{
    keyUp(*event);
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

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (awaitingFrame_ && frameGeometry().size() != size()) {
        awaitingFrame_ = false;
        centreOnPlacement();
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
        const bool counts = activateOnShow_ || programForms_.oneIsActive();
        activateOnShow_ = false;
        programForms_.setOneIsActive(true);
        if (counts) {
            Form_Activate();
        }
    } else if (QApplication::activeWindow() == nullptr && !isHidden()) {
        // No window of the program took over, and this one was not hidden
        // by the program itself: the person went to another program.
        programForms_.setOneIsActive(false);
    }
}
