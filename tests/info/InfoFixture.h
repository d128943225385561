// Tintwell tests - the program started with scripted services, for the
// windows that the main window opens.
#pragma once

#include "app/Program.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QTest>
#include <memory>

struct InfoFixture : FakeProgramServices
{
    explicit InfoFixture(FakeScreenMetrics screenSize = {})
        : FakeProgramServices(screenSize), program(std::make_unique<Program>(forProgram()))
    {
        program->start();
        QApplication::setActiveWindow(&program->colors());
    }

    ~InfoFixture()
    {
        program.reset();
        flushUnloaded();
    }

    // Lets Qt destroy the windows that have unloaded.
    static void flushUnloaded()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Shows the window as the main window's command does, but without the
    // nested event loop, so that the test goes on while it is up.
    template <class F> F &open(F &form)
    {
        form.showModeless();
        QApplication::setActiveWindow(&form);
        return form;
    }

    std::unique_ptr<Program> program;
};
