// Tintwell - a text box: one line (QLineEdit) or several (QPlainTextEdit).
#include "platform/forms/TextBox.h"

#include "platform/forms/Form.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

// The got-focus event runs after Qt's own focus handling, so that what the
// handler selects stays selected.
class TextBoxLine final : public QLineEdit
{
  public:
    TextBoxLine(TextBox *owner, QWidget *parent) : QLineEdit(parent), owner_(owner) {}
    void detach() { owner_ = nullptr; }
    [[nodiscard]] TextBox *owner() const { return owner_; }

  protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        if (owner_) {
            owner_->raiseGotFocus();
        }
    }

  private:
    TextBox *owner_;
};

class TextBoxLines final : public QPlainTextEdit
{
  public:
    TextBoxLines(TextBox *owner, QWidget *parent) : QPlainTextEdit(parent), owner_(owner) {}
    void detach() { owner_ = nullptr; }
    [[nodiscard]] TextBox *owner() const { return owner_; }

  protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QPlainTextEdit::focusInEvent(event);
        if (owner_) {
            owner_->raiseGotFocus();
        }
    }

  private:
    TextBox *owner_;
};

TextBox::TextBox(Form &form, QString name, TextLines lines, Control *container)
    : Control(form, std::move(name), ControlKind::TextBox)
{
    QWidget *parent = form.containerWidget(container);
    if (lines == TextLines::Multi) {
        multi_ = new TextBoxLines(this, parent);
        multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QObject::connect(multi_, &QPlainTextEdit::textChanged, context(),
                         [this] { raiseChange(); });
        attach(multi_);
    } else {
        line_ = new TextBoxLine(this, parent);
        QObject::connect(line_, &QLineEdit::textChanged, context(), [this] { raiseChange(); });
        attach(line_);
    }
}

TextBox::~TextBox()
{
    if (line_) {
        static_cast<TextBoxLine *>(line_)->detach();
    } else {
        static_cast<TextBoxLines *>(multi_)->detach();
    }
}

QWidget *TextBox::widget() const
{
    return line_ ? static_cast<QWidget *>(line_) : static_cast<QWidget *>(multi_);
}

TextBox *TextBox::fromWidget(QWidget *widget)
{
    if (auto *line = dynamic_cast<TextBoxLine *>(widget)) {
        return line->owner();
    }
    if (auto *lines = dynamic_cast<TextBoxLines *>(widget)) {
        return lines->owner();
    }
    return nullptr;
}

QString TextBox::Text() const
{
    return line_ ? line_->text() : multi_->toPlainText();
}

void TextBox::setText(const QString &text)
{
    if (text == Text()) {
        return;
    }
    if (line_) {
        line_->setText(text);
    } else {
        multi_->setPlainText(maxLength_ > 0 ? text.left(maxLength_) : text);
    }
}

void TextBox::setMaxLength(int length)
{
    maxLength_ = std::max(0, length);
    if (line_) {
        line_->setMaxLength(maxLength_ > 0 ? maxLength_ : 32767);
    }
}

int TextBox::MaxLength() const
{
    return maxLength_;
}

void TextBox::setAlignment(Qt::Alignment alignment)
{
    if (line_) {
        line_->setAlignment(alignment | Qt::AlignVCenter);
    }
}

void TextBox::setLocked(bool readOnly)
{
    if (line_) {
        line_->setReadOnly(readOnly);
    } else {
        multi_->setReadOnly(readOnly);
    }
}

void TextBox::setColors(ColorValue back, ColorValue fore)
{
    QWidget *w = widget();
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, toQColor(back));
    pal.setColor(QPalette::Text, toQColor(fore));
    w->setPalette(pal);
}

int TextBox::SelStart() const
{
    if (line_) {
        return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    }
    return multi_->textCursor().selectionStart();
}

int TextBox::SelLength() const
{
    if (line_) {
        return line_->selectionLength();
    }
    const QTextCursor cursor = multi_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void TextBox::setSelStart(int start)
{
    const int clamped = std::clamp(start, 0, static_cast<int>(Text().size()));
    if (line_) {
        line_->setCursorPosition(clamped);
    } else {
        QTextCursor cursor = multi_->textCursor();
        cursor.setPosition(clamped);
        multi_->setTextCursor(cursor);
    }
}

void TextBox::setSelLength(int length)
{
    const int start = SelStart();
    const int clamped = std::clamp(length, 0, static_cast<int>(Text().size()) - start);
    if (line_) {
        line_->setSelection(start, clamped);
    } else {
        QTextCursor cursor = multi_->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + clamped, QTextCursor::KeepAnchor);
        multi_->setTextCursor(cursor);
    }
}

void TextBox::raiseChange()
{
    if (onChange) {
        onChange();
    }
}

void TextBox::raiseGotFocus()
{
    if (onGotFocus) {
        onGotFocus();
    }
}
