// Tintwell - a text box: one line (QLineEdit) or several (QPlainTextEdit).
#pragma once

#include "platform/ColorValue.h"
#include "platform/forms/Control.h"

class QLineEdit;
class QPlainTextEdit;

enum class TextLines
{
    Single,
    Multi
};

// The scroll bars of a multi-line box. With a horizontal bar, lines do not wrap.
enum class ScrollBars
{
    None,
    Horizontal,
    Vertical,
    Both
};

class TextBox final : public Control
{
  public:
    TextBox(Form &form, QString name, TextLines lines = TextLines::Single,
            Control *container = nullptr);

    [[nodiscard]] bool isMultiLine() const { return multi_ != nullptr; }
    [[nodiscard]] bool scalesFont() const override { return true; }
    [[nodiscard]] bool takesEnter() const override { return isMultiLine(); }

    [[nodiscard]] QString Text() const;
    // Setting the text it already holds raises nothing and leaves the caret
    // and the selection alone.
    void setText(const QString &text);
    void setMaxLength(int length);
    [[nodiscard]] int MaxLength() const;
    void setAlignment(Qt::Alignment alignment);
    void setLocked(bool readOnly);
    void setColors(ColorValue back, ColorValue fore);
    void setScrollBars(ScrollBars bars);

    [[nodiscard]] int SelStart() const;
    [[nodiscard]] int SelLength() const;
    void setSelStart(int start);
    void setSelLength(int length);
    // Selects the whole text.
    void selectAll();

    std::function<void()> onChange;
    std::function<void()> onGotFocus;

  private:
    void raiseChange();
    void raiseGotFocus();
    friend class TextBoxLine;
    friend class TextBoxLines;

    QLineEdit *line_ = nullptr;
    QPlainTextEdit *multi_ = nullptr;
    int maxLength_ = 0;
};
