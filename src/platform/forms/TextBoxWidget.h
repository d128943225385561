// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what a text box asks of its widget. The box is one kind over
// two widgets, as Qt splits its own: one line (a QLineEdit) or several (a
// QPlainTextEdit). Each carries its own differences behind these calls, and
// the box talks to these calls alone.
#pragma once

#include <QString>
#include <Qt>
#include <functional>

class ControlWidgetEvents;
class QEvent;
class QObject;

class TextBoxWidget
{
  public:
    // Whether text that reaches the box without being typed may go in; an
    // unset one lets all text in.
    using TextCheck = std::function<bool(const QString &text)>;

    [[nodiscard]] virtual QString contents() const = 0;
    virtual void setContents(const QString &text) = 0;
    // Calls changed whenever the text changes, by the person or the program,
    // for as long as context lives.
    virtual void connectTextChanged(QObject &context, std::function<void()> changed) = 0;
    virtual void setLocked(bool readOnly) = 0;
    virtual void selectContents() = 0;
    // A limit to the text's length, 0 for none, and the text's alignment:
    // a one-line widget's, as in Qt. The widget of several lines throws
    // std::logic_error rather than let the call do nothing.
    virtual void limitLength(int length) = 0;
    virtual void alignText(Qt::Alignment alignment) = 0;
    // The widget and the parts it has (scroll bars) are drawn by the style
    // that paints with their palette.
    virtual void drawAllWithItsPalette() = 0;
    // The kind's own handling of a key pressed, a drag, a drop or a button
    // released, after the control's handlers: it ends in Qt's where the kind
    // leaves the event.
    virtual bool shapeInput(QEvent &event, ControlWidgetEvents &qt,
                            const TextCheck &acceptsDroppedText) = 0;

  protected:
    // Qt deletes the widget, as its parent's child, never through this.
    ~TextBoxWidget() = default;
};
