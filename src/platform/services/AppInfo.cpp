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
    info.major = 0;
    info.minor = 5;
    info.revision = 7;
    const QString path = QCoreApplication::applicationFilePath();
    info.exeName = path.isEmpty() ? QStringLiteral("tintwell") : QFileInfo(path).fileName();
    return info;
}
