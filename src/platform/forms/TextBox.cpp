// Tintwell - a text box: one line (QLineEdit) or several (QPlainTextEdit).
#include "platform/forms/TextBox.h"
#include "platform/forms/FocusRing.h"

#include "platform/forms/ControlWidget.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/forms/Keys.h"
#include "platform/forms/TextBoxWidget.h"
#include "platform/forms/WidgetColors.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextCursor>

namespace {

// The focus goes to another window or to the menus, and comes back from there.
bool windowFocusReason(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

QString textOf(const QMimeData *data)
{
    return data ? data->text() : QString();
}

bool accepts(const TextBoxWidget::TextCheck &check, const QString &text)
{
    return !check || check(text);
}

} // namespace

// The one-line box's widget: a type of its own for the accessible object
// below to recognise. Text that comes without being typed is asked for.
class TextBoxLine final : public ControlWidget<QLineEdit>, public TextBoxWidget
{
  public:
    TextBoxLine(Control &owner, QWidget *parent);

    [[nodiscard]] QString contents() const override { return text(); }
    void setContents(const QString &text) override { setText(text); }
    void connectTextChanged(QObject &context, std::function<void()> changed) override
    {
        connect(this, &QLineEdit::textChanged, &context, std::move(changed));
    }
    void setLocked(bool readOnly) override { setReadOnly(readOnly); }
    void selectContents() override
    {
        setCursorPosition(0); // the caret goes to the start, then the end
        setSelection(0, static_cast<int>(text().size()));
    }
    void limitLength(int length) override { setMaxLength(length > 0 ? length : 32767); }
    void alignText(Qt::Alignment alignment) override { setAlignment(alignment | Qt::AlignVCenter); }
    void drawAllWithItsPalette() override { drawWithItsPalette(*this); }
    bool shapeInput(QEvent &event, ControlWidgetEvents &qt,
                    const TextCheck &acceptsDroppedText) override;
};

// The box of several lines: Enter makes a new line in it. A scroll area's
// viewport events (the pointer, the wheel, drops, the context menu over the
// text) bypass its event(): they come to the control first here. Its
// painting stays Qt's.
class TextBoxLines final : public ControlWidget<QPlainTextEdit>, public TextBoxWidget
{
  public:
    TextBoxLines(Control &owner, QWidget *parent);

    [[nodiscard]] QString contents() const override { return toPlainText(); }
    void setContents(const QString &text) override { setPlainText(text); }
    void connectTextChanged(QObject &context, std::function<void()> changed) override
    {
        connect(this, &QPlainTextEdit::textChanged, &context, std::move(changed));
    }
    void setLocked(bool readOnly) override { setReadOnly(readOnly); }
    void selectContents() override { selectAll(); }
    void limitLength(int /*length*/) override {}
    void alignText(Qt::Alignment /*alignment*/) override {}
    void drawAllWithItsPalette() override
    {
        // A style is a widget's own: the scroll bars take it too.
        drawWithItsPalette(*this);
        drawWithItsPalette(*verticalScrollBar());
        drawWithItsPalette(*horizontalScrollBar());
    }
    bool shapeInput(QEvent &event, ControlWidgetEvents &qt,
                    const TextCheck &acceptsDroppedText) override;

  protected:
    bool viewportEvent(QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            return QPlainTextEdit::viewportEvent(event);
        }
        ViewportEvents viewport(*this);
        return handToControl(*event, viewport);
    }

  private:
    // Qt's own handling of a viewport event.
    class ViewportEvents final : public ControlWidgetEvents
    {
      public:
        explicit ViewportEvents(TextBoxLines &box) : box_(box) {}
        [[nodiscard]] Control &control() const override { return box_.control(); }
        bool qtEvent(QEvent &event) override { return box_.QPlainTextEdit::viewportEvent(&event); }

      private:
        TextBoxLines &box_;
    };

    bool scrolledToAnEnd(QKeyEvent &key);
};

namespace {

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

TextBoxLines::TextBoxLines(Control &owner, QWidget *parent) : ControlWidget(owner, parent)
{
    // The windows' texts of several lines wrap, and scroll up and down.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Its viewport's events came to the control already (viewportEvent).
    viewport()->setAttribute(Qt::WA_NoMousePropagation);
    keepFocusRingOnTop(*this);
}

bool TextBoxLines::shapeInput(QEvent &event, ControlWidgetEvents &qt,
                              const TextCheck & /*acceptsDroppedText*/)
{
    if (event.type() == QEvent::KeyPress) {
        auto &key = static_cast<QKeyEvent &>(event);
        if (isEnterKey(key.key())) {
            qt.qtEvent(event);
            event.accept(); // Enter belongs to a box of several lines
            return true;
        }
        if (scrolledToAnEnd(key)) {
            return true;
        }
    }
    return qt.qtEvent(event);
}

// A read-only box of several lines has no caret for Ctrl+Home and Ctrl+End
// to move: they take the view to the text's start and end, as Home and End
// do there.
bool TextBoxLines::scrolledToAnEnd(QKeyEvent &key)
{
    const bool home = key.key() == Qt::Key_Home;
    if (!isReadOnly() || key.modifiers() != Qt::ControlModifier ||
        !(home || key.key() == Qt::Key_End)) {
        return false;
    }
    verticalScrollBar()->triggerAction(home ? QAbstractSlider::SliderToMinimum
                                            : QAbstractSlider::SliderToMaximum);
    key.accept();
    return true;
}

TextBox::TextBox(Form &form, QString name, TextLines lines, Control *container)
    : Control(form, std::move(name)), box_(makeWidget(lines, containerWidget(container)))
{
    box_.connectTextChanged(*context(), [this] { raiseChange(); });
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
    return box_.contents();
}

void TextBox::setText(const QString &text)
{
    if (text != Text()) {
        box_.setContents(text);
    }
}

void TextBox::setMaxLength(int length)
{
    box_.limitLength(length);
}

void TextBox::setAlignment(Qt::Alignment alignment)
{
    box_.alignText(alignment);
}

void TextBox::setLocked(bool readOnly)
{
    box_.setLocked(readOnly);
}

void TextBox::setColors(ColorValue back, ColorValue fore)
{
    setWidgetColors(*widget(), {{QPalette::Base, back}, {QPalette::Text, fore}});
    box_.drawAllWithItsPalette();
}

void TextBox::selectAll()
{
    box_.selectContents();
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
// style set) go to Qt alone.
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
        return box_.shapeInput(event, qt, acceptsDroppedText);
    default:
        return qt.qtEvent(event);
    }
}

bool TextBox::typeCommitted(QInputMethodEvent &event, ControlWidgetEvents &qt)
{
    QString kept;
    const QPointer<Form> form(&ParentForm());
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
