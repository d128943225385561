// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a text box's widget of one line: a QLineEdit.
#pragma once

#include "platform/forms/ControlWidget.h"
#include "platform/forms/TextBoxWidget.h"

#include <QLineEdit>

// The one-line box's widget: a type of its own for the accessible object
// that screen readers see it by (TextBoxLine.cpp) to recognise. Text that
// reaches it without being typed is asked for.
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
    void drawAllWithItsPalette() override;
    bool shapeInput(QEvent &event, ControlWidgetEvents &qt,
                    const TextCheck &acceptsDroppedText) override;
};
