// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - opening the help window and the about window: the
// window's creation, its load step, its showing and its first paint, timed
// in-process with the scripted services of the tests.
#include "BenchReport.h"
#include "app/program/Program.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 30;
constexpr double FrameMs = 1000.0 / 60;

// Opens the window, paints it once and closes it with its close box, so
// that every run creates and loads it afresh. Returns the milliseconds to
// the first paint, or a negative number when nothing was painted.
double openOnce(const std::function<Form &()> &open)
{
    QElapsedTimer timer;
    timer.start();
    Form &form = open();
    form.showModeless();
    const QImage painted = form.grab().toImage();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    form.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return painted.isNull() ? -1 : ms;
}

bool bench(const char *name, const std::function<Form &()> &open)
{
    const double first = openOnce(open);
    std::vector<double> times;
    for (int i = 0; i < Runs && first >= 0; ++i) {
        const double ms = openOnce(open);
        if (ms < 0) {
            break;
        }
        times.push_back(ms);
    }
    if (times.size() < Runs) {
        out() << name << ": FAILED, the window did not paint\n";
        return false;
    }
    const double typical = median(times);
    out() << name << " (create, load, show, first paint)\n"
          << "  first in this process: " << QString::number(first, 'f', 2) << " ms\n"
          << "  then, median of " << Runs << ": " << QString::number(typical, 'f', 2) << " ms\n"
          << "  goal under one 60 Hz frame (" << QString::number(FrameMs, 'f', 1)
          << " ms): " << (typical < FrameMs ? "met" : "NOT MET") << "\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FakeProgramServices services;
    Program program(services.forProgram());
    if (!program.start()) {
        out() << "help and about: FAILED, the main window did not load\n";
        return 1;
    }
    const bool help = bench("help window", [&]() -> Form & { return program.help(); });
    const bool about = bench("about window", [&]() -> Form & { return program.about(); });
    out().flush();
    return help && about ? 0 : 1;
}
