// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the default printer, its code loaded on the first print.
#pragma once

#include "platform/services/PrinterService.h"

#include <QLibrary>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>

class PasswordPrompt;
class ScreenMetrics;

// CUPS, with what it pulls in, takes a noticeable part of the program's
// start-up; the program starts without it and loads the printer library
// (tintwell_printing) when a print first opens the printer. A library that
// cannot be loaded makes every opening fail with the loader's reason.
class PrinterLibrary final : public PrinterOpener
{
  public:
    // folders: where to look for the library, in order.
    // passwords: where the printer asks for a password a print server wants.
    PrinterLibrary(const ScreenMetrics &screen, PasswordPrompt &passwords, QStringList folders);
    ~PrinterLibrary() override;
    Q_DISABLE_COPY_MOVE(PrinterLibrary)

    // Beside the program, then in ../lib/tintwell as installed.
    [[nodiscard]] static QStringList programFolders();

    [[nodiscard]] OpenedPrinter openPrinter() override;

  private:
    void load();

    const ScreenMetrics &screen_;
    PasswordPrompt &passwords_;
    QStringList folders_;
    QLibrary library_;
    QString loadFailure_;
    std::unique_ptr<PrinterService> printer_;
};
