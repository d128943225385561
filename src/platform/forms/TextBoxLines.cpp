// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a text box's widget of several lines: a QPlainTextEdit.
#include "platform/forms/TextBoxLines.h"

#include "platform/forms/FocusRing.h"
#include "platform/forms/Keys.h"
#include "platform/forms/WidgetColors.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <stdexcept>

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

void TextBoxLines::limitLength(int /*length*/)
{
    throw std::logic_error("a text box of several lines has no length limit");
}

void TextBoxLines::alignText(Qt::Alignment /*alignment*/)
{
    throw std::logic_error("a text box of several lines has no alignment");
}

void TextBoxLines::drawAllWithItsPalette()
{
    // A style is a widget's own: the scroll bars take it too.
    drawWithItsPalette(*this);
    drawWithItsPalette(*verticalScrollBar());
    drawWithItsPalette(*horizontalScrollBar());
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
