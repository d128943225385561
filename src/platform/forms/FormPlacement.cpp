// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - where a window opens: centred on the screen or on its owner.
#include "platform/forms/FormPlacement.h"

#include <QApplication>
#include <QWidget>

void FormPlacement::beforeFirstShow(const QRect &screen)
{
    if (rule_ == StartUpPosition::CenterOwner) {
        const QWidget *owner = QApplication::activeWindow();
        if (owner && owner != &window_) {
            area_ = owner->frameGeometry();
        }
    }
    if (rule_ != StartUpPosition::Manual && area_.isNull()) {
        area_ = screen;
    }
    centre();
}

void FormPlacement::afterFirstShow()
{
    if (framed()) {
        centre(); // the frame is known now: centre it too
    } else {
        awaitingFrame_ = !area_.isNull();
    }
}

void FormPlacement::moved()
{
    if (awaitingFrame_ && framed()) {
        awaitingFrame_ = false;
        centre();
    }
}

bool FormPlacement::framed() const
{
    return window_.frameGeometry().size() != window_.size();
}

void FormPlacement::centre()
{
    if (area_.isNull()) {
        return;
    }
    QRect box(QPoint(0, 0), window_.frameGeometry().size().expandedTo(window_.size()));
    box.moveCenter(area_.center());
    window_.move(box.topLeft());
}
