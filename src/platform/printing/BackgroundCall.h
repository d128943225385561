// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a blocking call run on a thread of its own, while the caller's
// windows keep painting and answering input.
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace background_detail {

struct Waiting
{
    std::mutex mutex;
    std::condition_variable answered;
    QEventLoop *loop = nullptr; // cleared under the mutex before it goes
    QTimer *deadline = nullptr; // the caller's, touched on the caller's thread only
};

} // namespace background_detail

// What the work may ask of the caller while it runs: whether the caller has
// given up on it, and a question that only the caller's thread may ask (a
// window), during which the deadline is held.
class BackgroundCaller
{
  public:
    explicit BackgroundCaller(std::shared_ptr<background_detail::Waiting> waiting)
        : waiting_(std::move(waiting))
    {
    }

    // True once the caller stopped waiting: its deadline passed or the
    // program is ending. The work should then undo what it can.
    [[nodiscard]] bool abandoned() const
    {
        const std::lock_guard lock(waiting_->mutex);
        return waiting_->loop == nullptr;
    }

    // Runs ask on the caller's thread and waits for its answer; nothing when
    // ask answers nothing or the caller stopped waiting first.
    template <class Answer>
    std::optional<Answer> onCallerThread(std::function<std::optional<Answer>()> ask) const
    {
        auto answer = std::make_shared<std::optional<Answer>>();
        auto done = std::make_shared<bool>(false);
        std::unique_lock lock(waiting_->mutex);
        if (!waiting_->loop) {
            return std::nullopt;
        }
        QMetaObject::invokeMethod(
            waiting_->loop,
            [waiting = waiting_, ask = std::move(ask), answer, done] {
                QTimer *deadline = waiting->deadline;
                const int left = deadline && deadline->isActive() ? deadline->remainingTime() : -1;
                if (left >= 0) {
                    deadline->stop(); // a person's answer takes the time it takes
                }
                std::optional<Answer> given = ask();
                if (left >= 0) {
                    deadline->start(left);
                }
                const std::lock_guard guard(waiting->mutex);
                *answer = std::move(given);
                *done = true;
                waiting->answered.notify_all();
            },
            Qt::QueuedConnection);
        waiting_->answered.wait(lock, [&] { return *done || !waiting_->loop; });
        return std::move(*answer);
    }

  private:
    std::shared_ptr<background_detail::Waiting> waiting_;
};

// Runs work on a new thread and an event loop here until it has finished,
// or until the deadline. The work must end by itself (its own time limit)
// and must not touch the caller's objects but through the caller it gets:
// it takes copies. Returns nothing when the deadline passed or the event
// loop was left for another reason, such as the program ending; the thread
// then finishes on its own.
template <class Result>
std::optional<Result> runInBackground(std::function<Result(const BackgroundCaller &)> work,
                                      QDeadlineTimer deadline = QDeadlineTimer::Forever)
{
    auto waiting = std::make_shared<background_detail::Waiting>();
    auto result = std::make_shared<std::optional<Result>>();
    QEventLoop loop;
    QTimer timer;
    waiting->loop = &loop;
    waiting->deadline = &timer;
    std::thread worker([waiting, result, work = std::move(work)] {
        Result made = work(BackgroundCaller(waiting));
        const std::lock_guard lock(waiting->mutex);
        *result = std::move(made);
        if (waiting->loop) {
            QMetaObject::invokeMethod(waiting->loop, &QEventLoop::quit, Qt::QueuedConnection);
        }
    });
    if (!deadline.isForever()) {
        // Precise: a coarse timer may fire early, before the deadline has passed.
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(static_cast<int>(deadline.remainingTime()));
    }
    loop.exec();

    const std::lock_guard lock(waiting->mutex);
    waiting->loop = nullptr;
    waiting->deadline = nullptr;
    waiting->answered.notify_all();
    if (*result) {
        worker.join(); // it has only its return left
        return std::move(*result);
    }
    worker.detach();
    return std::nullopt;
}
