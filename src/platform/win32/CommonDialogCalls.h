// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the modal open and save dialogs, Win32 style.
#pragma once

#include "platform/win32/OpenFileName.h"

class CommonDialogCalls
{
  public:
    virtual ~CommonDialogCalls() = default;

    // Show the modal dialog that the record describes. On confirm they write
    // the choice into lpstrFile and lpstrFileTitle and return nonzero; on
    // cancel or failure they return 0 and leave the record as it was.
    virtual BOOL GetOpenFileNameA(OPENFILENAME &record) = 0;
    virtual BOOL GetSaveFileNameA(OPENFILENAME &record) = 0;
};
