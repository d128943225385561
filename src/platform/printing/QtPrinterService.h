// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the default printer, through CUPS.
#pragma once

#include "platform/printing/CupsJobFollower.h"
#include "platform/services/PrinterService.h"

#include <QtGlobal>
#include <chrono>

class PasswordPrompt;
class ScreenMetrics;

struct PrinterLimits
{
    // How long the printing system may stay silent before a print gives
    // up on it.
    std::chrono::milliseconds patience{5000};
    // How long finding the default printer may take in all; for a
    // printer known only from the network, CUPS resolves its address and
    // makes its queue, which took from 1 to 5 seconds here.
    std::chrono::milliseconds checkLimit{10000};
    // How long the hand-over may take in all, the time a person takes to
    // give a password aside; a queue dropped in the meantime is made
    // again in it.
    std::chrono::milliseconds handOverLimit{15000};
    // How often a job that the printing system took is asked after.
    std::chrono::milliseconds followEvery{3000};
};

// Every question to CUPS runs on a thread of its own (runInBackground): a
// printing system that hangs freezes no window.
class QtPrinterService final : public PrinterService
{
  public:
    QtPrinterService(const ScreenMetrics &screen, PasswordPrompt &passwords,
                     PrinterLimits limits = {});
    ~QtPrinterService() override = default;
    Q_DISABLE_COPY_MOVE(QtPrinterService)

    CheckedPrinter checkDefaultPrinter() override;

  private:
    const ScreenMetrics &screen_;
    PasswordPrompt &passwords_;
    const PrinterLimits limits_;
    CupsJobFollower follower_;
};
