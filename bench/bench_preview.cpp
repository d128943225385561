// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - View Color to the print-size dialog painted, its OK
// to the preview painted with its swatch, and the largest swatch's redraw,
// timed in-process with the scripted services of the tests.
#include "BenchReport.h"
#include "app/main_window/frmColors.h"
#include "app/program/Program.h"
#include "preview/frmPrint.h"
#include "preview/frmPrintSetup.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

constexpr size_t Runs = 20;
constexpr int DrawRuns = 500;
constexpr double FrameMs = 16.0; // one frame at 60 Hz

// The design screen, 1024 x 768 at 15 twips per pixel; nothing here ends the
// program (a call would mean the load failed).
using Services = FakeProgramServices;

double msSince(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void report(const char *what, const std::vector<double> &times)
{
    const double m = median(times);
    out() << what << "\n  median of " << times.size() << ": " << QString::number(m, 'f', 2)
          << " ms (max " << QString::number(*std::max_element(times.begin(), times.end()), 'f', 2)
          << ")\n  goal under " << FrameMs << " ms: " << (m < FrameMs ? "met" : "NOT MET") << "\n";
}

// One View Color and OK in a fresh program; false when a window did not come
// up as a person would see it.
bool viewColorOnce(std::vector<double> &toDialog, std::vector<double> &toPreview)
{
    Services services;
    Program program(services.forProgram());
    if (!program.start()) {
        return false;
    }
    bool ok = false;
    QElapsedTimer timer;
    QTimer::singleShot(0, [&] {
        frmPrintSetup &dialog = program.printSetup();
        if (dialog.grab().isNull()) {
            return;
        }
        toDialog.push_back(msSince(timer));
        timer.start();
        dialog.cmdOK.click();
        frmPrint *preview = program.previewIfLoaded();
        if (!preview) {
            dialog.hideForm();
            return;
        }
        QApplication::setActiveWindow(preview);
        const QImage shown = preview->grab().toImage();
        toPreview.push_back(msSince(timer));
        // The swatch's far corner, clear of its text, shows the colour.
        QWidget *swatch = preview->picColor.widget();
        const QPoint corner = swatch->mapTo(preview, swatch->rect().bottomRight() - QPoint(5, 5));
        ok = shown.pixelColor(corner) == Qt::cyan;
    });
    timer.start();
    program.colors().cmdViewColor.click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return ok;
}

bool benchViewColor()
{
    std::vector<double> toDialog;
    std::vector<double> toPreview;
    for (size_t i = 0; i <= Runs; ++i) {
        if (!viewColorOnce(toDialog, toPreview)) {
            out() << "View Color: FAILED, the dialog or the preview did not come up\n";
            return false;
        }
    }
    // The first run loads fonts and icons for the process: reported apart.
    out() << "first View Color in this process: " << QString::number(toDialog.front(), 'f', 2)
          << " ms to the dialog, " << QString::number(toPreview.front(), 'f', 2)
          << " ms to the preview\n";
    toDialog.erase(toDialog.begin());
    toPreview.erase(toPreview.begin());
    report("View Color to the print-size dialog painted", toDialog);
    report("OK to the preview painted with its swatch", toPreview);
    return true;
}

bool benchLargestSwatch()
{
    Services services;
    Program program(services.forProgram());
    if (!program.start()) {
        return false;
    }
    frmPrintSetup &dialog = program.printSetup();
    dialog.txtHeight.setListIndex(dialog.txtHeight.ListCount() - 1);
    dialog.txtWidth.setListIndex(dialog.txtWidth.ListCount() - 1);
    program.showPreview();
    frmPrint *preview = program.previewIfLoaded();
    if (!preview || !QTest::qWaitForWindowExposed(preview)) {
        out() << "DrawSwatch: FAILED, the preview did not come up\n";
        return false;
    }
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < DrawRuns; ++i) {
        timer.start();
        preview->DrawSwatch();
        times.push_back(msSince(timer));
    }
    if (preview->picColor.Width() != 9800 || preview->picColor.Height() != 12600) {
        out() << "DrawSwatch: FAILED, the swatch is not 9 x 7\n";
        return false;
    }
    report("DrawSwatch, 9 high and 7 wide, painted", times);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool viewed = benchViewColor();
    out().flush();
    const bool drawn = benchLargestSwatch();
    out().flush();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return viewed && drawn ? 0 : 1;
}
