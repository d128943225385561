// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what the command line asks for before any window opens.
#include "app/command_line/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int exitNoSession = 1;
constexpr int exitUsage = 2;

// What QGuiApplication, QApplication and the X11 platform take out of the
// arguments themselves. Known here so that they pass before QApplication
// sees them; --help leaves them out.
constexpr const char qtOptionsWithValue[] =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon icon "
    "qwindowtitle title session display name visual style stylesheet qmljsdebugger";
constexpr const char qtFlags[] = "reverse widgetcount testability nograb dograb";

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// One line: what is missing and how to get it, with the command as typed.
QString sessionAdvice(const QString &typed, const QString &problem)
{
    return QStringLiteral("%1: %2; start it from a desktop session, or on a virtual display "
                          "with: xvfb-run %3\n")
        .arg(QFileInfo(typed).fileName(), problem, typed);
}

QCommandLineOption hiddenOption(const QString &name, bool takesValue)
{
    QCommandLineOption option(name);
    if (takesValue) {
        option.setValueName(QStringLiteral("value"));
    }
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

QByteArray failureAdvice;
QtMessageHandler previousHandler = nullptr;

void adviseOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        // Qt's own text here suggests reinstalling the program, which does
        // not help; and its abort would leave a core dump.
        std::fputs(failureAdvice.constData(), stderr);
        std::fflush(nullptr);
        std::_Exit(exitNoSession);
    }
    // The plugin loader's note ("could not load ... even though it was
    // found") belongs with that advice; the platform's own reason stays.
    const bool pluginNote = qstrcmp(context.category, "qt.qpa.plugin") == 0;
    if (previousHandler && !pluginNote) {
        previousHandler(type, context, message);
    }
}

} // namespace

CommandLineAnswer readCommandLine(const QStringList &arguments, bool sessionSet)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Mix a paint colour on screen, print it or save it as a picture."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QString &name : QString::fromLatin1(qtOptionsWithValue).split(u' ')) {
        parser.addOption(hiddenOption(name, true));
    }
    for (const QString &name : QString::fromLatin1(qtFlags).split(u' ')) {
        parser.addOption(hiddenOption(name, false));
    }
    const QString name = QCoreApplication::applicationName();
    // Qt's help names the program by the path it was started with; its
    // usage line names it as people type it.
    QString usage = parser.helpText() +
                    QStringLiteral("\nQt's own options, such as -platform NAME and -display "
                                   "DISPLAY, are accepted too.\n");
    static const QRegularExpression calledAs(QStringLiteral("^Usage: \\S+"));
    usage.replace(calledAs, QStringLiteral("Usage: ") + name);

    if (!parser.parse(arguments)) {
        return {.exitStatus = exitUsage,
                .err = QStringLiteral("%1: %2\n\n%3").arg(name, parser.errorText(), usage)};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {.exitStatus = exitUsage,
                .err = QStringLiteral("%1: unexpected argument '%2'.\n\n%3")
                           .arg(name, parser.positionalArguments().constFirst(), usage)};
    }
    if (parser.isSet(help)) {
        return {.exitStatus = EXIT_SUCCESS, .out = usage};
    }
    if (parser.isSet(version)) {
        return {.exitStatus = EXIT_SUCCESS,
                .out = QStringLiteral("%1 %2\n").arg(name, QCoreApplication::applicationVersion())};
    }
    if (!sessionSet && !parser.isSet(QStringLiteral("platform")) &&
        !parser.isSet(QStringLiteral("display"))) {
        return {.exitStatus = exitNoSession,
                .err = sessionAdvice(arguments.constFirst(),
                                     QStringLiteral("needs a graphical session, and none is set "
                                                    "(DISPLAY and WAYLAND_DISPLAY are empty)"))};
    }
    return {};
}

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    const bool sessionSet = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
                            !qEnvironmentVariableIsEmpty("DISPLAY") ||
                            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    CommandLineAnswer answer;
    if (argc > 1) {
        // A core application needs no display; it decodes the arguments as
        // Qt does and is gone before QApplication is built. It gets a copy
        // of argv, which it may shorten, so that QApplication still receives
        // every argument.
        std::vector<char *> copy(argv, argv + argc + 1);
        int copyCount = argc;
        const QCoreApplication core(copyCount, copy.data());
        answer = readCommandLine(QCoreApplication::arguments(), sessionSet);
    } else {
        answer = readCommandLine({QString::fromLocal8Bit(argv[0])}, sessionSet);
    }
    print(stdout, answer.out);
    print(stderr, answer.err);
    return answer.exitStatus;
}

SessionFailureAdvice::SessionFailureAdvice(const char *argv0)
{
    failureAdvice =
        sessionAdvice(QString::fromLocal8Bit(argv0),
                      QStringLiteral("could not open a window on the graphical session"))
            .toLocal8Bit();
    previousHandler = qInstallMessageHandler(adviseOnFatal);
}

SessionFailureAdvice::~SessionFailureAdvice()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}
