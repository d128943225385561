// Tintwell - a text box: one line (QLineEdit) or several (QPlainTextEdit).
#include "platform/forms/TextBox.h"

#include "platform/forms/Form.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

// The got-focus event runs after Qt's own focus handling, so that what the
// handler selects stays selected. The text box owns the widget and so
// outlives it.
class TextBoxLine final : public QLineEdit
{
  public:
    TextBoxLine(TextBox &owner, QWidget *parent) : QLineEdit(parent), owner_(owner) {}

  protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QLineEdit::focusInEvent(event);
        owner_.raiseGotFocus();
    }

  private:
    TextBox &owner_;
};

class TextBoxLines final : public QPlainTextEdit
{
  public:
    TextBoxLines(TextBox &owner, QWidget *parent) : QPlainTextEdit(parent), owner_(owner) {}

  protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QPlainTextEdit::focusInEvent(event);
        owner_.raiseGotFocus();
    }

  private:
    TextBox &owner_;
};

TextBox::TextBox(Form &form, QString name, TextLines lines, Control *container)
    : Control(form, std::move(name))
{
    QWidget *parent = form.containerWidget(container);
    if (lines == TextLines::Multi) {
        multi_ = new TextBoxLines(*this, parent);
        setScrollBars(ScrollBars::Vertical);
        QObject::connect(multi_, &QPlainTextEdit::textChanged, context(),
                         [this] { raiseChange(); });
        attach(multi_);
    } else {
        line_ = new TextBoxLine(*this, parent);
        QObject::connect(line_, &QLineEdit::textChanged, context(), [this] { raiseChange(); });
        attach(line_);
    }
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

void TextBox::setScrollBars(ScrollBars bars)
{
    if (!multi_) {
        return; // a one-line box never shows scroll bars
    }
    const bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
    const bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
    multi_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    multi_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    multi_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TextBox::selectAll()
{
    setSelStart(0);
    setSelLength(static_cast<int>(Text().size()));
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
