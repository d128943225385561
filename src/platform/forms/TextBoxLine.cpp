// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a text box's widget of one line: a QLineEdit.
#include "platform/forms/TextBoxLine.h"

#include "platform/forms/FormAccessibility.h"
#include "platform/forms/WidgetColors.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>

namespace {

QString textOf(const QMimeData *data)
{
    return data ? data->text() : QString();
}

bool accepts(const TextBoxWidget::TextCheck &check, const QString &text)
{
    return !check || check(text);
}

// A one-line box as screen readers see it: its text one run, with its caret
// and selection.
class TextBoxLineAccessible final : public QAccessibleWidget,
                                    public OneRunText,
                                    public QAccessibleEditableTextInterface
{
  public:
    explicit TextBoxLineAccessible(QLineEdit *line)
        : QAccessibleWidget(line, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface *>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? line()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value) {
            line()->setText(text);
        }
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !line()->isReadOnly();
        s.readOnly = line()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && line()->hasSelectedText()) {
            *start = line()->selectionStart();
            *end = *start + line()->selectionLength();
        }
    }
    [[nodiscard]] int selectionCount() const override { return line()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { line()->setSelection(start, end - start); }
    void removeSelection(int) override { line()->deselect(); }
    void setSelection(int, int start, int end) override { addSelection(start, end); }
    [[nodiscard]] int cursorPosition() const override { return line()->cursorPosition(); }
    void setCursorPosition(int position) override { line()->setCursorPosition(position); }
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override
    {
        return line()->cursorPositionAt(line()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int end) override { line()->setCursorPosition(end); }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        line()->setText(line()->text().replace(start, end - start, text));
    }

  private:
    [[nodiscard]] QString wholeText() const override { return line()->text(); }
    [[nodiscard]] QLineEdit *line() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *forTextBoxLine(const QString & /*className*/, QObject *object)
{
    auto *line = dynamic_cast<TextBoxLine *>(object);
    return line ? new TextBoxLineAccessible(line) : nullptr; // owned by Qt's accessibility cache
}

// The accessible object is made the first time a screen reader asks for the
// widget, and Qt keeps the one it made: the factory is there before the
// first one-line widget is.
QWidget *withAccessibleObject(QWidget *parent)
{
    installAccessibleFactory<forTextBoxLine>();
    return parent;
}

// Where the system has a selection (X11), the middle button pastes it.
bool middleButtonPasteRefused(const QMouseEvent &event,
                              const TextBoxWidget::TextCheck &acceptsDroppedText)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return event.button() == Qt::MiddleButton && clipboard->supportsSelection() &&
           !accepts(acceptsDroppedText, clipboard->text(QClipboard::Selection));
}

} // namespace

TextBoxLine::TextBoxLine(Control &owner, QWidget *parent)
    : ControlWidget(owner, withAccessibleObject(parent))
{
    // The windows' one-line boxes are as wide as the few digits they hold: a
    // style that pads its frames (Adwaita's) cuts "255" to "55". The thin
    // frame of the palette's style keeps them, in the theme's colours.
    drawWithItsPalette(*this);
}

void TextBoxLine::drawAllWithItsPalette()
{
    drawWithItsPalette(*this);
}

// Text dropped on the box, or the selection pasted with the middle button,
// goes in only where the box accepts it.
bool TextBoxLine::shapeInput(QEvent &event, ControlWidgetEvents &qt,
                             const TextCheck &acceptsDroppedText)
{
    switch (event.type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (!accepts(acceptsDroppedText, textOf(static_cast<QDropEvent &>(event).mimeData()))) {
            event.ignore();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (middleButtonPasteRefused(static_cast<QMouseEvent &>(event), acceptsDroppedText)) {
            event.accept();
            return true;
        }
        break;
    default:
        break;
    }
    return qt.qtEvent(event);
}
