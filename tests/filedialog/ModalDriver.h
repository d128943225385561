// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - acting on a modal dialog from inside its own event loop.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

// Runs a step on the next modal dialog of the given type once it shows and is
// active; the step is to end the dialog. If the step leaves the dialog up, or
// no dialog shows in time, the modal dialog is rejected so that the test fails
// instead of hanging. Polls while the context object lives.
template <class Dialog>
void whenModalShows(QObject &context, std::function<void(Dialog &)> step, int timeoutMs = 5000)
{
    auto *poll = new QTimer(&context);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, step = std::move(step)] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        // Keys typed into it go where a person's would only once it is active.
        if (dialog != nullptr && dialog->isVisible() && dialog->isActiveWindow()) {
            poll->deleteLater();
            poll->stop();
            const QPointer<Dialog> alive = dialog;
            step(*dialog);
            // Every step ends its dialog; one that did not failed part-way.
            if (!alive.isNull() && alive->isVisible()) {
                alive->reject();
            }
        } else if (deadline.hasExpired()) {
            poll->deleteLater();
            poll->stop();
            if (auto *stuck = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                stuck->reject();
            }
        }
    });
    poll->start(10);
}
