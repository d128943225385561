// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - following the jobs that CUPS took until they end.
#include "platform/printing/CupsJobFollower.h"

#include "platform/printing/CupsExchange.h"

#include <QMetaObject>
#include <algorithm>
#include <mutex>
#include <thread>

namespace {

// IPP's job states.
constexpr int Pending = 3;
constexpr int Held = 4;
constexpr int Canceled = 7;
constexpr int Aborted = 8;
constexpr int Completed = 9;

} // namespace

// Where the asking thread leaves its answers; the follower is cleared under
// the lock before it goes.
struct CupsJobFollower::Answers
{
    std::mutex mutex;
    CupsJobFollower *follower = nullptr;
};

CupsJobFollower::CupsJobFollower(std::chrono::milliseconds every,
                                 std::chrono::milliseconds patience)
    : patience_(patience), answers_(std::make_shared<Answers>())
{
    answers_->follower = this;
    timer_.setInterval(every);
    connect(&timer_, &QTimer::timeout, this, [this] { ask(); });
}

CupsJobFollower::~CupsJobFollower()
{
    const std::lock_guard lock(answers_->mutex);
    answers_->follower = nullptr;
}

void CupsJobFollower::follow(Followed job)
{
    jobs_.push_back(std::move(job));
    timer_.start();
}

void CupsJobFollower::ask()
{
    if (asking_) {
        return; // the last question is still out
    }
    asking_ = true;
    std::vector<int> ids;
    for (const Followed &job : jobs_) {
        ids.push_back(job.jobId);
    }
    std::thread([answers = answers_, ids, patience = patience_] {
        for (const int id : ids) {
            const CupsJobState job = cupsJobState(id, patience);
            const std::lock_guard lock(answers->mutex);
            if (!answers->follower) {
                return;
            }
            CupsJobFollower *follower = answers->follower;
            QMetaObject::invokeMethod(
                follower,
                [follower, id, job] {
                    if (job.known || job.gone) {
                        // A job CUPS forgot has ended; how, it no longer says.
                        follower->take(id, job.gone ? Completed : job.state, job.printerStopped,
                                       job.printerMessage);
                    }
                },
                Qt::QueuedConnection);
        }
        const std::lock_guard lock(answers->mutex);
        if (CupsJobFollower *follower = answers->follower) {
            QMetaObject::invokeMethod(
                follower, [follower] { follower->asking_ = false; }, Qt::QueuedConnection);
        }
    }).detach();
}

void CupsJobFollower::take(int jobId, int state, bool printerStopped, const QString &printerMessage)
{
    const auto job = std::find_if(jobs_.begin(), jobs_.end(),
                                  [jobId](const Followed &f) { return f.jobId == jobId; });
    if (job == jobs_.end()) {
        return;
    }
    using End = JobOutcome::End;
    const bool waits = state == Pending || state == Held;
    End end = End::Completed;
    if (state == Completed) {
        end = End::Completed;
    } else if (state == Canceled) {
        end = End::Canceled;
    } else if (state == Aborted) {
        end = End::Aborted;
    } else if (waits && printerStopped && job->stoppedIsNews) {
        end = End::QueueStopped;
    } else {
        return; // still on its way
    }
    const Followed ended = std::move(*job);
    jobs_.erase(job);
    if (jobs_.empty()) {
        timer_.stop();
    }
    ended.whenEnded({.end = end, .printerMessage = printerMessage});
}
