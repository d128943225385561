// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - long use: the preview, the help window and the about
// window opened and closed a thousand times each in one process, on a real X
// server. The memory the process holds and the X windows it has must be the
// same afterwards as before; the run fails when they are not.
#include "BenchReport.h"
#include "app/main_window/frmColors.h"
#include "app/program/Program.h"
#include "info/frmAbout.h"
#include "info/frmHelp.h"
#include "preview/frmPrint.h"
#include "preview/frmPrintSetup.h"
#include "support/FakeProgramServices.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <malloc.h>
#include <memory>
#include <xcb/xcb.h>

namespace {

constexpr int Cycles = 1000;
// The first openings load fonts, icons and the forms that are kept hidden
// afterwards: what they take is the program's working set, not growth. An
// even number, so that the closing routes below leave the same forms loaded.
constexpr int WarmUp = 10;
constexpr double GrowthGoalMiB = 2.0;

struct Memory
{
    double residentMiB = 0;
    double peakMiB = 0;
};

double statusMiB(const QByteArray &status, const char *field)
{
    const qsizetype at = status.indexOf(field);
    if (at < 0) {
        return 0;
    }
    const QByteArray line = status.mid(at + qstrlen(field)).split('\n').front();
    return line.trimmed().split(' ').front().toDouble() / 1024.0; // kB
}

Memory memoryNow()
{
    // Freed heap goes back to the system first, so that what is counted is
    // what the process still holds.
    malloc_trim(0);
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray status = file.readAll();
    return {statusMiB(status, "VmRSS:"), statusMiB(status, "VmHWM:")};
}

// The top-level X windows on the server: on the private X server this runs
// on, the program's own. Asked on Qt's own connection, so that every window
// Qt destroyed before is gone from the answer.
int xWindowCount()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) {
        return -1;
    }
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_query_tree_reply_t, decltype(&free)> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr), &free);
    return tree ? xcb_query_tree_children_length(tree.get()) : -1;
}

void destroyUnloaded()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs `inside` once the modal window that `open` shows is on the screen.
bool whileShownModal(Form &(*form)(Program &), Program &program, const std::function<void()> &open,
                     const std::function<void(Form &)> &inside)
{
    bool exposed = false;
    QTimer::singleShot(0, [&] {
        Form &shown = form(program);
        exposed = QTest::qWaitForWindowExposed(&shown);
        inside(shown);
    });
    open();
    destroyUnloaded();
    return exposed;
}

// View Color, OK in the print-size dialog, then back from the preview: by
// its File > Close (the preview unloads) or Reset Color (it stays, hidden).
bool previewOnce(Program &program, int cycle)
{
    const bool dialogShown =
        whileShownModal([](Program &p) -> Form & { return p.printSetup(); }, program,
                        [&] { program.colors().cmdViewColor.click(); },
                        [](Form &dialog) { static_cast<frmPrintSetup &>(dialog).cmdOK.click(); });
    frmPrint *preview = program.previewIfLoaded();
    if (!dialogShown || !preview || !QTest::qWaitForWindowExposed(preview)) {
        return false;
    }
    if (cycle % 2 == 0) {
        preview->mnuClose.trigger();
    } else {
        preview->cmdChangeColor.click();
    }
    destroyUnloaded();
    const frmPrint *left = program.previewIfLoaded();
    return program.colors().isVisible() && (left == nullptr || !left->isVisible());
}

// F1's help window or the about window, closed by its own button (it stays
// loaded, hidden) or by its close box (it unloads).
bool infoOnce(Program &program, int cycle, Form &(*form)(Program &),
              const std::function<void()> &open, CommandButton &(*button)(Form &))
{
    return whileShownModal(form, program, open, [&](Form &shown) {
        if (cycle % 2 == 0) {
            shown.close();
        } else {
            button(shown).click();
        }
    });
}

bool helpOnce(Program &program, int cycle)
{
    return infoOnce(
        program, cycle, [](Program &p) -> Form & { return p.help(); },
        [&] { program.colors().cmdHelp.click(); },
        [](Form &f) -> CommandButton & { return static_cast<frmHelp &>(f).cmdClose; });
}

bool aboutOnce(Program &program, int cycle)
{
    return infoOnce(
        program, cycle, [](Program &p) -> Form & { return p.about(); },
        [&] { program.colors().mnuAbout.trigger(); },
        [](Form &f) -> CommandButton & { return static_cast<frmAbout &>(f).cmdOK; });
}

struct Use
{
    const char *what;
    bool (*once)(Program &, int);
};

constexpr Use Uses[] = {
    {"the preview (View Color, OK, then File > Close or Reset Color)", previewOnce},
    {"the help window (Help, then Close or the close box)", helpOnce},
    {"the about window (Help > About, then OK or the close box)", aboutOnce},
};

QString mib(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" MiB");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        out() << "long use: FAILED, it needs an X server (QT_QPA_PLATFORM=xcb)\n";
        return 1;
    }
    FakeProgramServices services;
    Program program(services.forProgram());
    if (!program.start() || !QTest::qWaitForWindowExposed(&program.colors())) {
        out() << "long use: FAILED, the main window did not come up\n";
        return 1;
    }
    for (int i = 0; i < WarmUp; ++i) {
        for (const Use &use : Uses) {
            if (!use.once(program, i)) {
                out() << "long use: FAILED, " << use.what << " did not come up while warming up\n";
                return 1;
            }
        }
    }
    const Memory start = memoryNow();
    const int windowsBefore = xWindowCount();
    out() << "long use: each window opened and closed " << Cycles << " times in one process\n"
          << "  at the start: resident " << mib(start.residentMiB) << ", peak "
          << mib(start.peakMiB) << ", " << windowsBefore << " X windows\n";
    for (const Use &use : Uses) {
        const Memory before = memoryNow();
        for (int i = 0; i < Cycles; ++i) {
            if (!use.once(program, i)) {
                out() << "long use: FAILED, " << use.what << " did not come up in cycle " << i + 1
                      << "\n";
                return 1;
            }
        }
        const Memory after = memoryNow();
        out() << "  " << use.what << ": resident " << mib(before.residentMiB) << " -> "
              << mib(after.residentMiB) << ", peak " << mib(after.peakMiB) << ", " << xWindowCount()
              << " X windows\n";
        out().flush();
    }
    const Memory end = memoryNow();
    const int windowsAfter = xWindowCount();
    const double growth = end.residentMiB - start.residentMiB;
    const bool memoryMet = growth < GrowthGoalMiB;
    const bool windowsMet = windowsBefore >= 0 && windowsAfter == windowsBefore;
    out() << "  at the end: resident " << mib(end.residentMiB) << ", peak " << mib(end.peakMiB)
          << ", " << windowsAfter << " X windows\n"
          << "  goal: resident growth under " << mib(GrowthGoalMiB) << ": "
          << (memoryMet ? "met" : "NOT MET") << " (" << mib(growth) << ")\n"
          << "  goal: no X window left behind: " << (windowsMet ? "met" : "NOT MET") << "\n";
    out().flush();
    return memoryMet && windowsMet ? 0 : 1;
}
