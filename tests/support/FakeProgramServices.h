// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - every service the program object takes, as a scripted
// fake, for the fixtures and benchmarks that start the whole program.
#pragma once

#include "app/program/Program.h"
#include "platform/win32/QtWindowCalls.h"
#include "preview/SwatchCommands.h"
#include "support/FakeServices.h"

#include <functional>

struct FakeProgramServices
{
    explicit FakeProgramServices(FakeScreenMetrics screenSize = {}, bool otherCopyRunning = false)
        : screen(screenSize), instance(otherCopyRunning)
    {
    }

    // endProcess: what the exit sequence's last step does; outputServices:
    // the printer, files and file dialog (by default the fakes below).
    ProgramServices forProgram(std::function<void()> endProcess = [] {})
    {
        return forProgram(std::move(endProcess), output);
    }
    ProgramServices forProgram(std::function<void()> endProcess, OutputServices &outputServices)
    {
        return {.messages = messages,
                .beep = beep,
                .screen = screen,
                .instance = instance,
                .urlOpener = urlOpener,
                .clock = clock,
                .endProcess = std::move(endProcess),
                .output = outputServices};
    }

    FakeMessageBoxService messages;
    FakeBeepService beep;
    FakeScreenMetrics screen;
    FakeSingleInstance instance;
    FakeUrlOpener urlOpener;
    FakeClock clock;
    FakePrinterService printer;
    FakePictureFileWriter files;
    FakeDialogCalls dialogs;
    QtWindowCalls windows;
    OutputServices output{.printer = printer,
                          .files = files,
                          .dialogs = dialogs,
                          .windows = windows,
                          .exeName = QStringLiteral("tintwell")};
};
