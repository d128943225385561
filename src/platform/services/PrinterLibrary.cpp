// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the default printer, its code loaded on the first print.
#include "platform/services/PrinterLibrary.h"

#include "platform/services/PrinterModule.h"

#include <QCoreApplication>
#include <QDir>

PrinterLibrary::PrinterLibrary(const ScreenMetrics &screen, PasswordPrompt &passwords,
                               QStringList folders)
    : screen_(screen), passwords_(passwords), folders_(std::move(folders))
{
}

// The printer goes before the library that holds its code. The library
// itself stays loaded: a question to CUPS that was given up on may still be
// running its code on a thread of its own.
PrinterLibrary::~PrinterLibrary()
{
    printer_.reset();
}

QStringList PrinterLibrary::programFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral("../lib/tintwell"))};
}

OpenedPrinter PrinterLibrary::openPrinter()
{
    if (!printer_ && loadFailure_.isEmpty()) {
        load();
    }
    if (!printer_) {
        return {
            .printer = nullptr,
            .failure =
                QStringLiteral("the printing support could not be loaded (%1)").arg(loadFailure_)};
    }
    return {.printer = printer_.get(), .failure = {}};
}

void PrinterLibrary::load()
{
    // Each place tried, and why it failed there, for the message.
    QStringList tried;
    for (const QString &folder : folders_) {
        library_.setFileName(QDir(folder).filePath(QString::fromLatin1(PrinterModuleName)));
        if (library_.load()) {
            break;
        }
        tried << library_.errorString();
    }
    const auto create =
        reinterpret_cast<CreatePrinterService>(library_.resolve(CreatePrinterServiceSymbol));
    if (!create) {
        tried << library_.errorString();
        tried.removeDuplicates();
        loadFailure_ = tried.join(QStringLiteral("; "));
        return;
    }
    printer_.reset(create(screen_, passwords_));
}
