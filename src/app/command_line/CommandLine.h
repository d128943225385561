// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what the command line asks for before any window opens.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// What the command line gets for an answer: the exit status when the
// program ends here (0 after help or version, 1 without a graphical
// session, 2 for a wrong command line), and what it prints.
struct CommandLineAnswer
{
    std::optional<int> exitStatus{}; // nothing: the program goes on to its windows
    QString out{};                   // for standard output
    QString err{};                   // for standard error
};

// The rules: --help and --version are answered, Qt's own options (-platform,
// -display, ...) pass, anything else is refused; without a session (none
// set, nor named by -platform or -display) there is nothing to open windows
// on. arguments: the program as typed, then its arguments. Messages name the
// application (QCoreApplication::applicationName).
[[nodiscard]] CommandLineAnswer readCommandLine(const QStringList &arguments, bool sessionSet);

// Reads the real command line and environment and prints the answer, all
// before QApplication exists: so without a display and without taking the
// single-copy lock. Returns the exit status when the program ends here.
[[nodiscard]] std::optional<int> answerCommandLine(int argc, char *argv[]);

// While it lives, a graphical session that cannot be opened (a display that
// is set but does not answer, a platform that does not load) ends the program
// with one line of advice and status 1, instead of Qt's abort. Held around
// QApplication's construction only.
class SessionFailureAdvice
{
  public:
    explicit SessionFailureAdvice(const char *argv0);
    ~SessionFailureAdvice();
    Q_DISABLE_COPY_MOVE(SessionFailureAdvice)
};
