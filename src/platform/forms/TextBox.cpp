// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a text box: one line (QLineEdit) or several (QPlainTextEdit).
#include "platform/forms/TextBox.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/forms/FormHost.h"
#include "platform/forms/TextBoxLine.h"
#include "platform/forms/TextBoxLines.h"
#include "platform/forms/WidgetColors.h"

#include <QInputMethodEvent>
#include <QPointer>

namespace {

// The focus goes to another window or to the menus, and comes back from there.
bool windowFocusReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

} // namespace

TextBox::TextBox(FormHost &form, QString name, TextLines lines, Control *container)
    : Control(form, std::move(name)), editor_(makeWidget(lines, containerWidget(container)))
{
    editor_.connectTextChanged(*context(), [this] { raiseChange(); });
}

TextBoxWidget &TextBox::makeWidget(TextLines lines, QWidget *parent)
{
    const auto attached = [this](auto *widget) -> TextBoxWidget & {
        attach(widget);
        return *widget;
    };
    if (lines == TextLines::Multi) {
        return attached(new TextBoxLines(*this, parent));
    }
    return attached(new TextBoxLine(*this, parent));
}

QString TextBox::Text() const
{
    return editor_.contents();
}

void TextBox::setText(const QString &text)
{
    if (text != Text()) {
        editor_.setContents(text);
    }
}

void TextBox::setMaxLength(int length)
{
    editor_.limitLength(length);
}

void TextBox::setAlignment(Qt::Alignment alignment)
{
    editor_.alignText(alignment);
}

void TextBox::setLocked(bool readOnly)
{
    editor_.setLocked(readOnly);
}

void TextBox::setColors(ColorValue back, ColorValue fore)
{
    setWidgetColors(*widget(), {{QPalette::Base, back}, {QPalette::Text, fore}});
    editor_.drawAllWithItsPalette();
}

void TextBox::selectAll()
{
    editor_.selectContents();
}

void TextBox::raiseChange()
{
    if (onChange) {
        onChange();
    }
}

void TextBox::focusArrived(Qt::FocusReason reason)
{
    const bool cameBackWithWindow = windowFocusReason(reason) && awayWithWindow_;
    awayWithWindow_ = false;
    if (!cameBackWithWindow && onGotFocus) {
        onGotFocus();
    }
}

void TextBox::focusLeft(Qt::FocusReason reason)
{
    // Taken by another window or a menu, the focus comes back here with the window.
    awayWithWindow_ = windowFocusReason(reason);
}

// The box's events that the layer shapes: the got-focus event runs after Qt's
// own focus handling, so that what the handler selects stays selected, and
// screen readers hear of the focus before they hear of that selection; text
// from an input method is typed; the kind of box shapes the keys and the
// pointer. The widget's events while it is being made (a child added, a
// style set) go to Qt alone: editor_ is bound once it is made.
bool TextBox::widgetEvent(QEvent &event, ControlWidgetEvents &qt)
{
    switch (event.type()) {
    case QEvent::FocusIn: {
        announceFocus(*widget());
        const bool done = qt.qtEvent(event);
        focusArrived(static_cast<QFocusEvent &>(event).reason());
        return done;
    }
    case QEvent::FocusOut: {
        const bool done = qt.qtEvent(event);
        focusLeft(static_cast<QFocusEvent &>(event).reason());
        return done;
    }
    case QEvent::InputMethod:
        return typeCommitted(static_cast<QInputMethodEvent &>(event), qt);
    case QEvent::KeyPress:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease:
        return editor_.shapeInput(event, qt, acceptsDroppedText);
    default:
        return qt.qtEvent(event);
    }
}

bool TextBox::typeCommitted(QInputMethodEvent &event, ControlWidgetEvents &qt)
{
    QString kept;
    const QPointer<QWidget> form(&this->form().clientArea());
    for (const char32_t character : event.commitString().toUcs4()) {
        int code = static_cast<int>(character);
        if (!form) {
            return true;
        }
        keyTyped(code);
        if (code != 0) {
            const auto typed = static_cast<char32_t>(code);
            kept += QString::fromUcs4(&typed, 1);
        }
    }
    if (!form) {
        return true;
    }
    QInputMethodEvent typed(event.preeditString(), event.attributes());
    typed.setCommitString(kept, event.replacementStart(), event.replacementLength());
    return qt.qtEvent(typed);
}
