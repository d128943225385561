// Tintwell tests - the whole program with scripted services, for the paths
// between the main window, the print-size dialog and the preview.
#pragma once

#include "app/Program.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

struct PreviewFixture : FakeProgramServices
{
    // outputServices: the printer, files and file dialog that printing and
    // saving reach; none: the fixture's own fakes.
    explicit PreviewFixture(FakeScreenMetrics screenSize = {},
                            OutputServices *outputServices = nullptr)
        : FakeProgramServices(screenSize),
          program(std::make_unique<Program>(
              outputServices ? forProgram([this] { ++processEnds; }, *outputServices)
                             : forProgram([this] { ++processEnds; })))
    {
        program->start();
        QApplication::setActiveWindow(&colors());
    }

    ~PreviewFixture()
    {
        program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmColors &colors() { return program->colors(); }
    frmPrintSetup &dialog() { return program->printSetup(); }
    frmPrint *preview() { return program->previewIfLoaded(); }

    // View Color, with the person's steps run inside the modal dialog. A
    // dialog the steps leave open is closed, so that a failing test ends.
    void viewColor(const std::function<void(frmPrintSetup &)> &steps)
    {
        QTimer::singleShot(0, [this, steps] {
            frmPrintSetup &d = dialog();
            QApplication::setActiveWindow(&d);
            dialogWasModal = d.isVisible() && d.isModal();
            steps(d);
            if (d.isVisible()) {
                d.hideForm();
            }
        });
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

    static void activate(QWidget &window) { QApplication::setActiveWindow(&window); }

    int processEnds = 0;
    bool dialogWasModal = false;
    std::unique_ptr<Program> program;
};
