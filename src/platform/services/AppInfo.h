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
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// The information of this build, with the executable's name as it runs.
[[nodiscard]] AppInfo currentAppInfo();
