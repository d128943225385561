// Tintwell - the screen's size and resolution, in twips.
#include "platform/services/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;

double dpiOr96(double dpi)
{
    return dpi > 0 ? dpi : FallbackDpi;
}

} // namespace

double QtScreenMetrics::twipsPerPixelX() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return TwipsPerInch / dpiOr96(screen ? screen->logicalDotsPerInchX() : 0);
}

double QtScreenMetrics::twipsPerPixelY() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return TwipsPerInch / dpiOr96(screen ? screen->logicalDotsPerInchY() : 0);
}

double QtScreenMetrics::widthTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() * twipsPerPixelX() : 0;
}

double QtScreenMetrics::heightTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() * twipsPerPixelY() : 0;
}
