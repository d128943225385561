// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - how a window of the program presents itself to screen readers.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <mutex>

class QWidget;

// Makes every form known to assistive technology as a window (a frame), or
// as a dialog when it is one, named by its caption. Qt would otherwise show a
// plain top-level widget as an unnamed filler. Safe to call more than once.
void installFormAccessibility();

// Installs an accessibility factory for a kind of the program's widgets,
// once in the program's life however many controls of the kind are made.
template <QAccessible::InterfaceFactory Factory> void installAccessibleFactory()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(Factory); });
}

// Gives a widget the role screen readers announce for it, where Qt's own
// would mislead (a drawing surface is a picture, not a frame).
void setAccessibleRole(QWidget &widget, QAccessible::Role role);

// Drops what assistive technology was told of the widget so far: its next
// question makes the object anew, with the role the widget has now. Setting
// a caption or a name already makes one, with the role it had then.
void renewAccessibleObject(QWidget &widget);

// Tells screen readers that the widget has the keyboard focus, from its
// focus-in handling. Qt tells them only after that handling, and a screen
// reader that first hears of the caret or the selection moving in a widget
// takes it for the focus without announcing it (Orca 43 does, by design:
// onCaretMoved in its default script moves its focus silently): a widget
// that moves them on getting the focus calls this first. Qt's own later
// notice of the same focus is then held back, as Orca would take it for a
// repeat and skip the first. Does nothing when no screen reader listens.
// Holding it back installs an update handler for the program's life, the
// first time a screen reader is heard of (FormAccessibility.cpp).
void announceFocus(QWidget &widget);

// The text of a control as screen readers read it: one run of text with no
// attributes. Qt's own objects report each character as a run of its own
// with no length (QAccessibleLineEdit::attributes in Qt 6.4's
// simplewidgets.cpp: "QLineEdit doesn't have text attributes"), and Orca,
// reading in such runs, leaves the last one out ("25" for 255). Without a caret or a selection
// unless the kind adds them.
class OneRunText : public QAccessibleTextInterface
{
  public:
    [[nodiscard]] QString text(int start, int end) const override
    {
        return end < 0 ? wholeText().mid(start) : wholeText().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override
    {
        return static_cast<int>(wholeText().size());
    }
    [[nodiscard]] QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    [[nodiscard]] QRect characterRect(int) const override { return {}; }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    [[nodiscard]] int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}

  protected:
    [[nodiscard]] virtual QString wholeText() const = 0;
};
