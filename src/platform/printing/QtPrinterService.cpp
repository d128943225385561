// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the default printer, through CUPS.
#include "platform/printing/QtPrinterService.h"

#include "platform/printing/BackgroundCall.h"
#include "platform/printing/QtPrintJob.h"
#include "platform/services/PrinterModule.h"

#include <QDeadlineTimer>
#include <type_traits>

QtPrinterService::QtPrinterService(const ScreenMetrics &screen, PasswordPrompt &passwords,
                                   PrinterLimits limits)
    : screen_(screen), passwords_(passwords), limits_(limits),
      follower_(limits.followEvery, limits.patience)
{
}

CheckedPrinter QtPrinterService::checkDefaultPrinter()
{
    // The default, its paper, its state and its options may have changed
    // since the last print: each print asks again. The limit holds for the
    // whole check, however many questions a printer found on the network
    // needs.
    const QDeadlineTimer limit(limits_.checkLimit);
    const std::optional<CupsLookup> found = runInBackground<CupsLookup>(
        [patience = limits_.patience](const BackgroundCaller &) {
            return lookUpDefaultDestination(patience);
        },
        limit);
    if (!found) {
        return {.job = nullptr,
                .failure = limit.hasExpired()
                               ? QStringLiteral("the printing system (CUPS) did not find the "
                                                "default printer within %1 seconds")
                                     .arg(QtPrintJob::seconds(limits_.checkLimit))
                               : QtPrintJob::interrupted()};
    }
    if (!found->destination) {
        return {.job = nullptr, .failure = found->failure};
    }
    const QtPrintJob::Context context{.screen = screen_,
                                      .passwords = passwords_,
                                      .follower = follower_,
                                      .patience = limits_.patience,
                                      .handOverLimit = limits_.handOverLimit};
    return {.job = std::make_unique<QtPrintJob>(*found->destination, context), .failure = {}};
}

// The library's entry point for PrinterLibrary, which takes ownership.
extern "C" Q_DECL_EXPORT PrinterService *tintwellCreatePrinterService(const ScreenMetrics &screen,
                                                                      PasswordPrompt &passwords)
{
    return std::make_unique<QtPrinterService>(screen, passwords).release();
}
static_assert(std::is_same_v<decltype(&tintwellCreatePrinterService), CreatePrinterService>);
