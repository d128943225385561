// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the system beep.
#include "platform/services/BeepService.h"

#include <QApplication>

void QtBeepService::beep()
{
    QApplication::beep();
}
