// Tintwell tests - the program with scripted services, started as a person
// starts it, and helpers to read the main window as a person sees it.
#pragma once

#include "app/MainWindowCommands.h"
#include "app/Program.h"
#include "platform/RaisedError.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QTest>
#include <memory>
#include <optional>

// Records which windows the main window asked for; may be told to fail.
class RecordingProgram final : public Program
{
  public:
    using Program::Program;
    void showPrintSize() override
    {
        ++printSizeShown;
        if (printSizeError) {
            throw RaisedError(*printSizeError);
        }
    }
    void showHelp() override { ++helpShown; }
    void showAbout() override { ++aboutShown; }

    int printSizeShown = 0;
    int helpShown = 0;
    int aboutShown = 0;
    std::optional<ErrorRecord> printSizeError;
};

struct ColorsFixture : FakeProgramServices
{
    explicit ColorsFixture(bool otherCopyRunning = false, FakeScreenMetrics screenSize = {})
        : FakeProgramServices(screenSize, otherCopyRunning),
          program(std::make_unique<RecordingProgram>(forProgram([this] {
              ++processEnds;
              journal << QStringLiteral("process end");
          })))
    {
        started = program->start();
        if (started) {
            QApplication::setActiveWindow(&colors());
        }
    }

    ~ColorsFixture()
    {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmColors &colors() { return program->colors(); }

    // The three boxes' texts, as the person reads them.
    QStringList texts()
    {
        return {colors().txtRed.Text(), colors().txtGreen.Text(), colors().txtBlue.Text()};
    }
    QList<int> channels()
    {
        return {colors().hsbRed.Value(), colors().hsbGreen.Value(), colors().hsbBlue.Value()};
    }
    QString selectedName() { return colors().lstColors.Text(); }
    // The sample's colour as it appears on screen.
    QColor sampleOnScreen()
    {
        QWidget *sample = colors().Picture1.widget();
        return sample->grab().toImage().pixelColor(sample->width() / 2, sample->height() / 2);
    }

    int processEnds = 0;
    // What happened at the end, in order: the process end, and whatever a
    // test adds (the unloads of other windows).
    QStringList journal;
    std::unique_ptr<RecordingProgram> program;
    bool started = false;
};
