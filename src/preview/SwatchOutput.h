// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the ways the preview takes the swatch out of the program.
#pragma once

class frmPrint;

// The preview's ways to take the swatch out of the program.
class SwatchOutput
{
  public:
    virtual ~SwatchOutput() = default;
    virtual void PrintColor(frmPrint &preview) = 0; // the Print command
    virtual void SaveColor(frmPrint &preview) = 0;  // the save button
};
