// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - mix a paint colour on screen, print it or save it as a picture.
#include "app/command_line/CommandLine.h"
#include "app/program/Program.h"
#include "platform/forms/FontFamilies.h"
#include "platform/services/AppInfo.h"
#include "platform/services/BeepService.h"
#include "platform/services/Clock.h"
#include "platform/services/PrinterLibrary.h"
#include "platform/services/QtMessageBoxService.h"
#include "platform/services/QtPasswordPrompt.h"
#include "platform/services/QtPictureFileWriter.h"
#include "platform/services/ScreenMetrics.h"
#include "platform/services/SingleInstance.h"
#include "platform/services/UrlOpener.h"
#include "platform/win32/QtDialogCalls.h"
#include "platform/win32/QtWindowCalls.h"
#include "preview/SwatchCommands.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <cstdio>
#include <memory>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication::setApplicationName(QStringLiteral("tintwell"));
    QApplication::setApplicationVersion(currentAppInfo().version);
    if (const std::optional<int> status = answerCommandLine(argc, argv)) {
        return *status;
    }

    // Placing windows (centred on the screen) needs X11; Wayland compositors
    // place windows themselves. Prefer X (also XWayland) when it is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    auto advice = std::make_unique<SessionFailureAdvice>(argv[0]);
    QApplication app(argc, argv);
    advice.reset();

    const AppInfo info = currentAppInfo();
    QApplication::setDesktopFileName(info.appId);
    QIcon icon;
    for (const int size : {16, 32, 48, 128, 256}) {
        // With its size given, a picture is read only when that size is asked for.
        icon.addFile(QStringLiteral(":/tintwell/tintwell-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // Every window is drawn in Arial; one face for the menus too saves
    // loading a second font at start-up.
    QFont arial(QStringLiteral("Arial"));
    arial.setFamilies(fontFamilies(QStringLiteral("Arial")));
    arial.setPointSizeF(9.75);
    QApplication::setFont(arial);

    QtMessageBoxService messages(info.title);
    QtBeepService beep;
    QtScreenMetrics screen;
    LockFileSingleInstance instance;
    QtUrlOpener urlOpener;
    SystemClock clock;
    // None of these makes a printer or a dialog before it is used.
    QtPasswordPrompt passwords;
    PrinterLibrary printer(screen, passwords, PrinterLibrary::programFolders());
    QtPictureFileWriter files(screen);
    QtWindowCalls windows;
    QtDialogCalls dialogs(windows);
    OutputServices output{.printer = printer,
                          .files = files,
                          .dialogs = dialogs,
                          .windows = windows,
                          .exeName = info.exeName};
    Program program({.messages = messages,
                     .beep = beep,
                     .screen = screen,
                     .instance = instance,
                     .urlOpener = urlOpener,
                     .clock = clock,
                     .endProcess =
                         [&instance] {
                             // The exit sequence ends the process at once: no
                             // further events, no window is asked anything.
                             instance.release();
                             std::fflush(nullptr);
                             ::_exit(0);
                         },
                     .output = output});
    if (!program.start()) {
        return 0;
    }
    return QApplication::exec();
}
