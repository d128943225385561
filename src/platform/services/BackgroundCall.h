// Tintwell - a blocking call run on a thread of its own, while the caller's
// windows keep painting and answering input.
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// Runs work on a new thread and an event loop here until it has finished,
// or until the deadline. The work must end by itself (its own time limit)
// and must not touch the caller's objects: it gets copies. Returns nothing
// when the deadline passed or the event loop was left for another reason,
// such as the program ending; the thread then finishes on its own.
template <class Result>
std::optional<Result> runInBackground(std::function<Result()> work,
                                      QDeadlineTimer deadline = QDeadlineTimer::Forever)
{
    struct Shared
    {
        std::mutex mutex;
        std::optional<Result> result;
        QEventLoop *waiting = nullptr; // cleared under the mutex before it goes
    };
    auto shared = std::make_shared<Shared>();
    QEventLoop loop;
    shared->waiting = &loop;
    std::thread worker([shared, work = std::move(work)] {
        Result result = work();
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        if (shared->waiting) {
            QMetaObject::invokeMethod(shared->waiting, &QEventLoop::quit, Qt::QueuedConnection);
        }
    });
    if (!deadline.isForever()) {
        // Precise: a coarse timer may fire early, before the deadline has passed.
        QTimer::singleShot(static_cast<int>(deadline.remainingTime()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
    }
    loop.exec();

    const std::lock_guard lock(shared->mutex);
    shared->waiting = nullptr;
    if (shared->result) {
        worker.join(); // it has only its return left
        return std::move(shared->result);
    }
    worker.detach();
    return std::nullopt;
}
