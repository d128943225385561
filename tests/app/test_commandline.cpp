// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the command line's rules: what is answered, refused or
// let through to Qt, and what is printed where. The process around them
// (no display opened, no lock taken) is tests/packaging/command_line.sh's.
#include "app/command_line/CommandLine.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

class CommandLineTest : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("tintwell"));
        QCoreApplication::setApplicationVersion(QStringLiteral("0.5.0.7"));
    }

    void rules_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<bool>("sessionSet");
        QTest::addColumn<int>("status");  // -1: on to the windows
        QTest::addColumn<QString>("out"); // a line of standard output, as a pattern
        QTest::addColumn<QString>("err"); // a line of standard error
        QTest::newRow("help") << "--help" << false << 0 << "^Usage: tintwell \\[options\\]$"
                              << "";
        QTest::newRow("help lists version") << "-h" << false << 0 << "^ *-v, --version"
                                            << "";
        QTest::newRow("help names Qt's options")
            << "-h" << false << 0 << "^Qt's own options, such as -platform NAME"
            << "";
        QTest::newRow("version") << "--version" << false << 0 << "^tintwell 0\\.5\\.0\\.7$"
                                 << "";
        QTest::newRow("Qt's own option passes")
            << "-platform offscreen -v" << false << 0 << "^tintwell 0\\.5\\.0\\.7$"
            << "";
        QTest::newRow("unknown option") << "--frobnicate" << true << 2 << ""
                                        << "^tintwell: Unknown option 'frobnicate'";
        QTest::newRow("unknown option shows usage") << "--frobnicate" << true << 2 << ""
                                                    << "^Usage: ";
        QTest::newRow("an argument") << "red.bmp" << true << 2 << ""
                                     << "^tintwell: unexpected argument 'red.bmp'";
        QTest::newRow("no session") << "" << false << 1 << ""
                                    << "^tintwell: needs a graphical session.*xvfb-run "
                                       "/usr/bin/tintwell$";
        QTest::newRow("a session") << "" << true << -1 << ""
                                   << "";
        QTest::newRow("-display names one") << "-display :65000" << false << -1 << ""
                                            << "";
        QTest::newRow("-platform names one") << "-platform xcb" << false << -1 << ""
                                             << "";
        QTest::newRow("Qt's flags pass") << "-reverse -nograb" << true << -1 << ""
                                         << "";
    }

    void rules()
    {
        QFETCH(QString, arguments);
        QFETCH(bool, sessionSet);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QStringList typed{QStringLiteral("/usr/bin/tintwell")};
        typed += arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const CommandLineAnswer answer = readCommandLine(typed, sessionSet);
        QCOMPARE(answer.exitStatus.value_or(-1), status);
        for (const auto &[printed, pattern] :
             {std::pair(answer.out, out), std::pair(answer.err, err)}) {
            if (pattern.isEmpty()) {
                QCOMPARE(printed, QString());
                continue;
            }
            const QRegularExpression line(pattern, QRegularExpression::MultilineOption);
            QVERIFY2(line.match(printed).hasMatch(), qPrintable(printed));
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
