// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
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
    // whatToDo: advice of its own where the reason calls for it; empty:
    // the command's usual advice.
    static OutputResult failure(QString reason, QString whatToDo = {})
    {
        return OutputResult(reason.isEmpty() ? QStringLiteral("unknown error") : std::move(reason),
                            std::move(whatToDo));
    }

    [[nodiscard]] bool ok() const { return reason_.isEmpty(); }
    [[nodiscard]] const QString &reason() const { return reason_; }
    [[nodiscard]] const QString &whatToDo() const { return whatToDo_; }

  private:
    explicit OutputResult(QString reason, QString whatToDo = {})
        : reason_(std::move(reason)), whatToDo_(std::move(whatToDo))
    {
    }
    QString reason_;
    QString whatToDo_;
};
