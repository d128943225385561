// Tintwell - the outcome of sending the swatch out of the program.
#pragma once

#include <QString>
#include <utility>

// Printing and writing files report what went wrong instead of throwing, so
// that a command can tell the person and go on; a failure always carries a
// reason that can be shown.
class [[nodiscard]] OutputResult
{
  public:
    static OutputResult success() { return OutputResult(QString()); }
    static OutputResult failure(QString reason)
    {
        return OutputResult(reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason));
    }

    [[nodiscard]] bool ok() const { return reason_.isEmpty(); }
    [[nodiscard]] const QString &reason() const { return reason_; }

  private:
    explicit OutputResult(QString reason) : reason_(std::move(reason)) {}
    QString reason_;
};
