// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the current date, as far as the program needs it.
#include "platform/services/Clock.h"

#include <QDate>

int SystemClock::currentYear() const
{
    return QDate::currentDate().year();
}
