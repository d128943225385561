// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the current date, as far as the program needs it.
#pragma once

class Clock
{
  public:
    virtual ~Clock() = default;
    // The current year in four digits.
    [[nodiscard]] virtual int currentYear() const = 0;
};

class SystemClock final : public Clock
{
  public:
    [[nodiscard]] int currentYear() const override;
};
