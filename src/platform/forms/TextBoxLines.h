// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a text box's widget of several lines: a QPlainTextEdit.
#pragma once

#include "platform/forms/ControlWidget.h"
#include "platform/forms/TextBoxWidget.h"

#include <QPlainTextEdit>

class QKeyEvent;

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
    void limitLength(int length) override;
    void alignText(Qt::Alignment alignment) override;
    void drawAllWithItsPalette() override;
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
