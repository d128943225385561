// Tintwell tests - every service the program object takes, as a scripted
// fake, for the fixtures and benchmarks that start the whole program.
#pragma once

#include "app/Program.h"
#include "support/FakeServices.h"

#include <functional>

struct FakeProgramServices
{
    explicit FakeProgramServices(FakeScreenMetrics screenSize = {}, bool otherCopyRunning = false)
        : screen(screenSize), instance(otherCopyRunning)
    {
    }

    // endProcess: what the exit sequence's last step does; output: the
    // printer, files and file dialog (none: printing and saving do nothing).
    ProgramServices forProgram(
        std::function<void()> endProcess = [] {}, OutputServices *output = nullptr)
    {
        return {messages, beep, screen, instance, urlOpener, clock, std::move(endProcess), output};
    }

    FakeMessageBoxService messages;
    FakeBeepService beep;
    FakeScreenMetrics screen;
    FakeSingleInstance instance;
    FakeUrlOpener urlOpener;
    FakeClock clock;
};
