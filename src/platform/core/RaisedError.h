// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - numbered errors raised to a caller.
#pragma once

#include <QString>
#include <cstdint>
#include <exception>
#include <string>

// The record a numbered error carries: its number, where it came from and what happened.
struct ErrorRecord
{
    std::int32_t number = 0;
    QString source;
    QString description;
};

class RaisedError : public std::exception
{
  public:
    explicit RaisedError(ErrorRecord record)
        : record_(std::move(record)), what_(record_.description.toStdString())
    {
    }

    [[nodiscard]] const ErrorRecord &record() const noexcept { return record_; }
    [[nodiscard]] const char *what() const noexcept override { return what_.c_str(); }

  private:
    ErrorRecord record_;
    std::string what_;
};
