// Tintwell - how a window of the program presents itself to screen readers.
#pragma once

#include <QAccessible>

class QWidget;

// Makes every form known to assistive technology as a window (a frame), or
// as a dialog when it is one, named by its caption. Qt would otherwise show a
// plain top-level widget as an unnamed filler. Safe to call more than once.
void installFormAccessibility();

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
// takes it for the focus without announcing it (Orca does): a widget that
// moves them on getting the focus calls this first. Qt's own later notice
// of the same focus is then held back, as Orca would take it for a repeat
// and skip the first. Does nothing when no screen reader listens.
void announceFocus(QWidget &widget);
