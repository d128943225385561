// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - where a window opens: centred on the screen or on its owner.
#pragma once

#include <QRect>

class QWidget;

enum class StartUpPosition
{
    Manual,
    CenterScreen,
    CenterOwner
};

// Centres the whole window, frame included, when it is first shown. Under a
// window manager the frame comes a moment after the show, with the move
// into it: the window is centred once more then.
class FormPlacement
{
  public:
    explicit FormPlacement(QWidget &window) : window_(window) {}

    void setRule(StartUpPosition rule) { rule_ = rule; }
    // Before the first show; the screen is where an owner is missing.
    void beforeFirstShow(const QRect &screen);
    void afterFirstShow();
    // The window moved: the window manager may have framed it.
    void moved();

  private:
    [[nodiscard]] bool framed() const;
    void centre();

    QWidget &window_;
    StartUpPosition rule_ = StartUpPosition::Manual;
    QRect area_; // what the window is centred on; null for none
    bool awaitingFrame_ = false;
};
