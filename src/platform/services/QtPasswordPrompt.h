// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the window that asks for a print server's password.
#pragma once

#include "platform/services/PasswordPrompt.h"

class QtPasswordPrompt final : public PasswordPrompt
{
  public:
    [[nodiscard]] std::optional<Credentials> ask(const PasswordRequest &request) override;
};
