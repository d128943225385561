// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what the program says about itself.
#include "platform/services/AppInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

AppInfo currentAppInfo()
{
    AppInfo info;
    info.productName = QStringLiteral("Tintwell");
    info.title = QStringLiteral("Tintwell");
    info.companyName = QStringLiteral("Tintwell Software");
    info.webAddress = QStringLiteral("http://www.tintwell.example/");
    info.mailAddress = QStringLiteral("mailto:comments@tintwell.example");
    // The build passes these from project(VERSION) and the packaging.
    info.version = QStringLiteral(TINTWELL_VERSION);
    info.appId = QStringLiteral(TINTWELL_APP_ID);
    info.major = TINTWELL_VERSION_MAJOR;
    info.minor = TINTWELL_VERSION_MINOR;
    info.revision = TINTWELL_VERSION_TWEAK;
    // Without an application object (before it is built) the name is the one it is installed as.
    const QString path =
        QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    info.exeName = path.isEmpty() ? QStringLiteral("tintwell") : QFileInfo(path).fileName();
    return info;
}
