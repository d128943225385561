// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the whole program with scripted services, started as a
// person starts it, and helpers to act on its windows as a person does.
#pragma once

#include "app/main_window/frmColors.h"
#include "app/program/Program.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "platform/core/RaisedError.h"
#include "preview/SwatchCommands.h"
#include "preview/frmPrint.h"
#include "preview/frmPrintSetup.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

// Counts the windows the main window asks for and may be told to fail; opens
// them too unless it only records.
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
        if (!recordOnly) {
            Program::showPrintSize();
        }
    }
    void showHelp() override
    {
        ++helpShown;
        if (!recordOnly) {
            Program::showHelp();
        }
    }
    void showAbout() override
    {
        ++aboutShown;
        if (!recordOnly) {
            Program::showAbout();
        }
    }

    bool recordOnly = false;
    int printSizeShown = 0;
    int helpShown = 0;
    int aboutShown = 0;
    std::optional<ErrorRecord> printSizeError;
};

struct ProgramOptions
{
    bool otherCopyRunning = false;
    FakeScreenMetrics screen{};
    // The printer, files and file dialog that printing and saving reach;
    // none: the fixture's own fakes.
    OutputServices *output = nullptr;
    // The main window's commands only count the windows, none opens.
    bool recordWindows = false;
};

// Runs the person's steps once on the print-size dialog, from its modal loop,
// when it is up and active. Its show and its activation each queue a look at
// it, so that the steps run from the loop and not inside Qt's own handling.
class PrintSizeSteps final : public QObject
{
  public:
    PrintSizeSteps(std::function<void(frmPrintSetup &)> steps, bool &wasModal)
        : steps_(std::move(steps)), wasModal_(wasModal)
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QPointer dialog = qobject_cast<frmPrintSetup *>(watched);
        if (dialog && (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)) {
            QMetaObject::invokeMethod(
                this, [this, dialog] { run(dialog); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    void run(const QPointer<frmPrintSetup> &dialog)
    {
        if (!steps_ || !dialog || !dialog->isVisible() || !dialog->isActiveWindow()) {
            return;
        }
        wasModal_ = dialog->isModal();
        std::exchange(steps_, nullptr)(*dialog);
        // A dialog the steps leave open is closed, so that a failing test ends.
        if (dialog && dialog->isVisible()) {
            dialog->hideForm();
        }
    }

    std::function<void(frmPrintSetup &)> steps_;
    bool &wasModal_;
};

// Adwaita's dark palette for as long as it lives: light text on dark grounds.
class DarkTheme
{
  public:
    DarkTheme()
    {
        QPalette dark = QApplication::palette();
        for (const auto &[role, colour] : {std::pair(QPalette::Window, QColor(53, 53, 53)),
                                           std::pair(QPalette::Button, QColor(53, 53, 53)),
                                           std::pair(QPalette::Base, QColor(45, 45, 45)),
                                           std::pair(QPalette::WindowText, QColor(238, 238, 236)),
                                           std::pair(QPalette::ButtonText, QColor(238, 238, 236)),
                                           std::pair(QPalette::Text, QColor(238, 238, 236))}) {
            dark.setColor(role, colour);
        }
        QApplication::setPalette(dark);
    }
    ~DarkTheme() { QApplication::setPalette(QPalette()); }
    Q_DISABLE_COPY_MOVE(DarkTheme)
};

struct ProgramFixture : FakeProgramServices
{
    explicit ProgramFixture(const ProgramOptions &options = {})
        : FakeProgramServices(options.screen, options.otherCopyRunning),
          program(std::make_unique<RecordingProgram>(forProgram(
              [this] {
                  ++processEnds;
                  journal << QStringLiteral("process end");
              },
              options.output ? *options.output : output)))
    {
        program->recordOnly = options.recordWindows;
        started = program->start();
        if (started) {
            activate(colors());
        }
    }

    ~ProgramFixture()
    {
        program.reset();
        flushUnloaded();
    }

    // Lets Qt destroy the windows that have unloaded.
    static void flushUnloaded() { qApp->sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    static void activate(QWidget &window) { QApplication::setActiveWindow(&window); }

    frmColors &colors() { return program->colors(); }
    frmPrintSetup &dialog() { return program->printSetup(); }
    frmPrint *preview() { return program->previewIfLoaded(); }

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

    // View Color, with the person's steps run inside the modal dialog.
    void viewColor(std::function<void(frmPrintSetup &)> steps)
    {
        // A person's click comes once the program has done what it queued
        // (a window closed a moment ago hands back the keyboard first).
        QCoreApplication::processEvents();
        PrintSizeSteps driver(std::move(steps), dialogWasModal);
        colors().cmdViewColor.click();
    }

    // View Color and Enter at once: the preview with the sizes as they are.
    // Null when no preview came up.
    frmPrint *openPreview()
    {
        viewColor([](frmPrintSetup &d) { QTest::keyClick(d.txtHeight.widget(), Qt::Key_Return); });
        if (preview()) {
            activate(*preview());
        }
        return preview();
    }

    // Opens a window's menu with Alt and the menu's letter, sent to `from`,
    // and chooses an item by its letter, as a person does from the keyboard.
    // False when no menu opened.
    static bool chooseFromMenu(QWidget *from, Qt::Key menuLetter, Qt::Key itemLetter)
    {
        QTest::keyClick(from, menuLetter, Qt::AltModifier);
        const auto openMenu = [] {
            return qobject_cast<QMenu *>(QApplication::activePopupWidget());
        };
        if (!QTest::qWaitFor([&] { return openMenu() != nullptr; })) {
            return false;
        }
        QTest::keyClick(openMenu(), itemLetter);
        return true;
    }

    // Shows the window as the main window's command does, but without the
    // nested event loop, so that the test goes on while it is up.
    template <class F> F &open(F &form)
    {
        form.showModeless();
        activate(form);
        return form;
    }

    int processEnds = 0;
    // What happened at the end, in order: the process end, and whatever a
    // test adds (the unloads of other windows).
    QStringList journal;
    bool dialogWasModal = false;
    bool started = false;
    std::unique_ptr<RecordingProgram> program;
};
