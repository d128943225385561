// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the help window: the program's instructions, read-only.
#include "info/frmHelp.h"

#include "info/HelpText.h"
#include "layout/modResize.h"
#include "platform/forms/FormPictures.h"

#include <QIcon>

frmHelp::frmHelp(const FormContext &context) : Form(context, QStringLiteral("frmHelp"))
{
    setCaption(QStringLiteral("Tintwell  HELP"));
    setFixedBorder(true);
    setShowInTaskbar(false);
    setClientSize(6105, 4425);
    setStartUpPosition(StartUpPosition::CenterOwner);
    setCancelButton(&cmdClose);
    setWindowIcon(pictures().fileIcon(QStringLiteral(":/tintwell/tintwell-32.png")));

    Control::setFontOfAll(Controls(), QStringLiteral("Arial"), 11.25);
    txtHelp.Move({120, 120, 3495, 2295});
    txtHelp.setLocked(true);
    txtHelp.setColors(RGB(255, 255, 192), RGB(0, 0, 255));
    txtHelp.setTabIndex(0);
    txtHelp.setAccessibleName(QStringLiteral("Instructions"));
    cmdClose.Move({1200, 960, 1215, 495});
    cmdClose.setCaption(QStringLiteral("Close"));
    cmdClose.setTabIndex(1);
    // The text lies over the button: the window shows no button at all.
    txtHelp.widget()->raise();

    cmdClose.onClick = [this] { hideForm(); };
}

void frmHelp::Form_Load()
{
    txtHelp.setText(HelpText());
    ResizeForm(*this);
}

void frmHelp::Form_Resize()
{
    txtHelp.Move({0, 0, ScaleWidth(), ScaleHeight()});
}
