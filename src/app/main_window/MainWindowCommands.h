// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the windows the main window opens, as the program provides them.
#pragma once

class MainWindowCommands
{
  public:
    virtual ~MainWindowCommands() = default;
    // Each shows its window modally and returns when it is hidden or unloaded.
    virtual void showPrintSize() = 0;
    virtual void showHelp() = 0;
    virtual void showAbout() = 0;
};
