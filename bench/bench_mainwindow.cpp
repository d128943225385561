// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - the main window's whole load and one channel step,
// timed in-process with the scripted services of the tests.
#include "BenchReport.h"
#include "app/main_window/frmColors.h"
#include "app/program/Program.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr size_t LoadRuns = 30;
constexpr int ChannelSteps = 2000;
constexpr double ChannelStepGoalMs = 1.0;

// The design screen, 1024 x 768 at 15 twips per pixel; nothing here ends the
// program (a call would mean the load failed).
using Services = FakeProgramServices;

// Counts the paint events a widget receives, so that a step that did not
// repaint the sample cannot pass for a fast one.
class PaintCounter final : public QObject
{
  public:
    int count = 0;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
        }
        return QObject::eventFilter(watched, event);
    }
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Constructs the program, runs the main window's load sequence and shows it,
// then paints it once; returns the milliseconds, or a negative number when
// the window did not come up as a person would see it.
double loadOnce()
{
    Services services;
    QElapsedTimer timer;
    timer.start();
    Program program(services.forProgram());
    if (!program.start()) {
        return -1;
    }
    const QPixmap firstPaint = program.colors().grab();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;

    // The sample across the top must show the starting colour, cyan.
    const QImage image = firstPaint.toImage();
    if (image.isNull() || image.pixelColor(image.width() / 2, image.height() / 4) != Qt::cyan) {
        return -1;
    }
    return ms;
}

bool benchLoad()
{
    const double cold = loadOnce();
    flushDeletes();
    std::vector<double> times;
    while (cold >= 0 && times.size() < LoadRuns) {
        const double ms = loadOnce();
        flushDeletes();
        if (ms < 0) {
            break;
        }
        times.push_back(ms);
    }
    if (times.size() < LoadRuns) {
        out() << "main window load: FAILED, the window did not open showing cyan\n";
        return false;
    }
    out() << "main window load (construct, load sequence, first paint)\n"
          << "  first in this process: " << QString::number(cold, 'f', 2) << " ms\n"
          << "  then, median of " << LoadRuns << ": "
          << QString::number(percentile(times, 0.5), 'f', 2) << " ms (min "
          << QString::number(percentile(times, 0), 'f', 2) << ", max "
          << QString::number(percentile(times, 1), 'f', 2) << ")\n";
    return true;
}

bool benchChannelStep()
{
    Services services;
    Program program(services.forProgram());
    if (!program.start()) {
        out() << "channel step: FAILED, the main window did not load\n";
        return false;
    }
    frmColors &colors = program.colors();
    // Until the window system has exposed the window, repaint() paints nothing.
    if (!QTest::qWaitForWindowExposed(&colors)) {
        out() << "channel step: FAILED, the main window was never exposed\n";
        return false;
    }
    QWidget *const sample = colors.Picture1.widget();
    PaintCounter paints;
    sample->installEventFilter(&paints);

    // Two neighbouring reds that with green and blue at 255 match no basic
    // colour: every step runs the whole list search, the usual case.
    constexpr int Reds[] = {37, 38};
    std::vector<double> steps;
    steps.reserve(ChannelSteps);
    QElapsedTimer timer;
    for (int i = 0; i < ChannelSteps; ++i) {
        timer.start();
        colors.hsbRed.setValue(Reds[i % 2]);
        sample->repaint();
        steps.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    sample->removeEventFilter(&paints);

    const int last = Reds[(ChannelSteps - 1) % 2];
    if (paints.count < ChannelSteps || colors.txtRed.Text() != QString::number(last) ||
        colors.Picture1.BackColor() != RGB(last, 255, 255)) {
        out() << "channel step: FAILED, the steps did not reach the text box and the sample ("
              << paints.count << " paints for " << ChannelSteps << " steps)\n";
        return false;
    }
    const double median = percentile(steps, 0.5);
    out() << "channel step (hsbRed through its handlers, the sample repainted)\n"
          << "  median of " << ChannelSteps << ": " << QString::number(median * 1000, 'f', 1)
          << " us (90th percentile " << QString::number(percentile(steps, 0.9) * 1000, 'f', 1)
          << " us, max " << QString::number(percentile(steps, 1) * 1000, 'f', 1) << " us)\n"
          << "  goal under " << ChannelStepGoalMs
          << " ms: " << (median < ChannelStepGoalMs ? "met" : "NOT MET") << "\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool loaded = benchLoad();
    out().flush();
    const bool stepped = benchChannelStep();
    out().flush();
    flushDeletes();
    return loaded && stepped ? 0 : 1;
}
