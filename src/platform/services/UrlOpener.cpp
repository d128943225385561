// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - opening a web or mail address with the user's default program.
#include "platform/services/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

void QtUrlOpener::open(const QUrl &address)
{
    // Qt starts the desktop's opener (xdg-open) detached and does not wait
    // for it. Whether it found a program is deliberately not looked at.
    static_cast<void>(QDesktopServices::openUrl(address));
}
