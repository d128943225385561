// Tintwell - mix a paint colour on screen, print it or save it as a picture.
#include "app/Program.h"
#include "platform/services/AppInfo.h"
#include "platform/services/BeepService.h"
#include "platform/services/LazyPrinterService.h"
#include "platform/services/QtMessageBoxService.h"
#include "platform/services/QtPictureFileWriter.h"
#include "platform/services/ScreenMetrics.h"
#include "platform/services/SingleInstance.h"
#include "platform/win32/QtDialogCalls.h"
#include "platform/win32/QtWindowCalls.h"

#include <QApplication>
#include <QFont>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Placing windows (centred on the screen) needs X11; Wayland compositors
    // place windows themselves. Prefer X (also XWayland) when it is there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tintwell"));
    QApplication::setDesktopFileName(QStringLiteral("tintwell"));
    QApplication::setApplicationVersion(QStringLiteral("0.5.0.7"));
    // Every window is drawn in Arial; one face for the menus too saves
    // loading a second font at start-up.
    QFont arial(QStringLiteral("Arial"));
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    arial.setPointSizeF(9.75);
    QApplication::setFont(arial);

    const AppInfo info = currentAppInfo();
    QtMessageBoxService messages(info.title);
    QtBeepService beep;
    QtScreenMetrics screen;
    LockFileSingleInstance instance;
    // None of these makes a printer or a dialog before it is used.
    LazyPrinterService printer(screen, LazyPrinterService::programFolders());
    QtPictureFileWriter files(screen);
    QtWindowCalls windows;
    QtDialogCalls dialogs(windows);
    OutputServices output{printer, files, dialogs, windows, info.exeName};
    Program program({messages, beep, screen, instance,
                     [&instance] {
                         // The exit sequence ends the process at once: no
                         // further events, no window is asked anything.
                         instance.release();
                         std::fflush(nullptr);
                         ::_exit(0);
                     },
                     &output});
    if (!program.start()) {
        return 0;
    }
    return QApplication::exec();
}
