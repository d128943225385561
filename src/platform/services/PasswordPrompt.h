// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - asking the person for the password a print server wants.
#pragma once

#include <QString>
#include <optional>

struct PasswordRequest
{
    QString server;     // as the person knows it: "printserver.example", "localhost"
    QString user;       // filled in; the person may change it
    bool again = false; // the last password given was not accepted
};

struct Credentials
{
    QString user;
    QString password; // never written anywhere; dropped with the job
};

// Asked on the program's main thread, in a modal window of its own.
class PasswordPrompt
{
  public:
    virtual ~PasswordPrompt() = default;
    // Nothing when the person cancels.
    [[nodiscard]] virtual std::optional<Credentials> ask(const PasswordRequest &request) = 0;
};
