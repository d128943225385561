// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - following the jobs that CUPS took until they end.
#pragma once

#include "platform/services/PrinterService.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// A job that CUPS took may still fail at the printer. Its state is asked
// one small request at a time, every few seconds, on a thread of its own,
// while any job is open; nothing runs while none is. The program's end does
// not wait for an answer: one that comes later is dropped.
class CupsJobFollower final : public QObject
{
  public:
    struct Followed
    {
        int jobId = 0;
        // False where the person knew of the stopped printer before printing.
        bool stoppedIsNews = true;
        std::function<void(const JobOutcome &)> whenEnded;
    };

    CupsJobFollower(std::chrono::milliseconds every, std::chrono::milliseconds patience);
    ~CupsJobFollower() override;
    Q_DISABLE_COPY_MOVE(CupsJobFollower)

    void follow(Followed job);

  private:
    struct Answers;
    void ask();
    void take(int jobId, int state, bool printerStopped, const QString &printerMessage);

    const std::chrono::milliseconds patience_;
    QTimer timer_;
    std::vector<Followed> jobs_;
    std::shared_ptr<Answers> answers_;
    bool asking_ = false;
};
