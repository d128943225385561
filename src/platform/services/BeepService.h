// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the system beep.
#pragma once

class BeepService
{
  public:
    virtual ~BeepService() = default;
    virtual void beep() = 0;
};

class QtBeepService final : public BeepService
{
  public:
    void beep() override;
};
