// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what the print-size dialog and the preview need of the rest of
// the program; the program object provides it.
#pragma once

#include "platform/core/ColorValue.h"

#include <QString>

class frmPrintSetup;

// The three amounts as the main window's number boxes show them, where they
// show the channels' values.
struct ChannelTexts
{
    QString red;
    QString green;
    QString blue;
};

class PreviewLinks
{
  public:
    virtual ~PreviewLinks() = default;
    // The main window's sample colour and its three number boxes' texts.
    [[nodiscard]] virtual ColorValue sampleColor() = 0;
    [[nodiscard]] virtual ChannelTexts channelTexts() = 0;
    // The print-size dialog, loaded (and left hidden) if it is not loaded.
    [[nodiscard]] virtual frmPrintSetup &printSetup() = 0;
    // Hides the main window and shows the preview.
    virtual void showPreview() = 0;
    // Shows the main window, not modal.
    virtual void showMainWindow() = 0;
};
