// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a text box: one line (QLineEdit) or several (QPlainTextEdit).
#pragma once

#include "platform/core/ColorValue.h"
#include "platform/forms/Control.h"

class QInputMethodEvent;
class TextBoxWidget;

enum class TextLines
{
    Single,
    Multi
};

class TextBox final : public Control
{
  public:
    TextBox(FormHost &form, QString name, TextLines lines = TextLines::Single,
            Control *container = nullptr);

    [[nodiscard]] bool scalesFont() const override { return true; }

    [[nodiscard]] QString Text() const;
    // Setting the text it already holds raises nothing and leaves the caret
    // and the selection alone.
    void setText(const QString &text);
    // A one-line box's limit to its text's length, 0 for none, and its
    // text's alignment. A box of several lines has neither: a window that
    // asks one for them is wrong, and the box throws std::logic_error.
    void setMaxLength(int length);
    void setAlignment(Qt::Alignment alignment);
    void setLocked(bool readOnly);
    void setColors(ColorValue back, ColorValue fore);

    // Selects the whole text.
    void selectAll();

    std::function<void()> onChange;
    // Raised when the focus moves to the box from elsewhere in the window (Tab,
    // a click, an access key, the program, the window's first showing), not
    // when it comes back with the window (a message box or menu closed, the
    // user back from another program).
    std::function<void()> onGotFocus;
    // Text that reaches a one-line box without being typed (dropped on it, or
    // the selection pasted with the middle button) goes in only when this
    // accepts it; unset, all text does. The context menu's paste is not asked.
    std::function<bool(const QString &text)> acceptsDroppedText;

  protected:
    bool widgetEvent(QEvent &event, ControlWidgetEvents &qt) override;

  private:
    // The widget of the kind asked for, in the given parent, attached to the box.
    TextBoxWidget &makeWidget(TextLines lines, QWidget *parent);
    void raiseChange();
    void focusArrived(Qt::FocusReason reason);
    void focusLeft(Qt::FocusReason reason);
    // The characters an input method commits (composed and dead-key ones
    // too) are typed: each goes through the key-press handlers, which may
    // drop it, and what is left goes in.
    bool typeCommitted(QInputMethodEvent &event, ControlWidgetEvents &qt);

    // The box's widget, one line or several; the control owns it.
    TextBoxWidget &editor_;
    // The box lost the focus to another window or a menu, not to a control.
    bool awayWithWindow_ = false;
};
