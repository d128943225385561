// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the ring that shows which control has the keyboard.
#pragma once

class QWidget;

// How far the ring reaches in from the widget's edges, in pixels.
inline constexpr int FocusRingWidth = 4;

// Draws it over the widget's own drawing, just inside its edges: a dark
// line and a light one within it, so that one of the two stands out from
// whatever colour the control and its window have (teal, light yellow,
// white, or the colour being mixed).
void paintFocusRing(QWidget &widget);

// For a widget whose children paint over its own drawing (a box of several
// lines: its viewport and scroll bar), a child of its own above them draws
// the ring while the widget has the keyboard, as QFocusFrame draws a ring
// by a widget of its own.
void keepFocusRingOnTop(QWidget &widget);
