// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what the program says about itself.
#pragma once

#include <QString>

struct AppInfo
{
    QString productName;
    QString title;   // also the title of message boxes shown without one
    QString exeName; // the running program's file name, without a path
    QString companyName;
    QString webAddress;  // the makers' web site (http)
    QString mailAddress; // the makers' mail address (mailto:)
    QString version;     // the whole version, four numbers: 0.5.0.7
    QString appId;       // the reverse-DNS id: the desktop entry's and the icon's name
    int major = 0;
    int minor = 0;
    int revision = 0; // the version's fourth number (its third is not shown)
};

// The information of this build, with the executable's name as it runs.
[[nodiscard]] AppInfo currentAppInfo();
