// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a rectangle in twips: a window's or a control's box as its
// design gives it, before the screen turns it into pixels.
#pragma once

struct TwipsRect
{
    // Built as QRect is, left, top, width and height: the order every
    // design line of a window writes.
    constexpr TwipsRect(double left, double top, double width, double height)
        : left(left), top(top), width(width), height(height)
    {
    }
    constexpr TwipsRect() = default;

    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};
