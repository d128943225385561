// Tintwell - what the command line asks for before any window opens.
#pragma once

#include <QtGlobal>
#include <optional>

// Answers --help and --version, refuses what it does not know and checks that
// there is a graphical session, all before QApplication exists: so without a
// display and without taking the single-copy lock. Qt's own options
// (-platform, -display, ...) pass. Returns the exit status when the program
// ends here: 0 after help or version, 1 without a session, 2 for a wrong
// command line.
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
