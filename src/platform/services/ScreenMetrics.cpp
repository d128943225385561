// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the screen's size and resolution, in twips.
#include "platform/services/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;
constexpr double InchesPerMetre = 1 / 0.0254;

double dpiOr96(double dpi)
{
    return dpi > 0 ? dpi : FallbackDpi;
}

int roundToPixel(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace

int ScreenMetrics::toPixelsX(double twips) const
{
    return roundToPixel(twips, twipsPerPixelX());
}

int ScreenMetrics::toPixelsY(double twips) const
{
    return roundToPixel(twips, twipsPerPixelY());
}

QPoint ScreenMetrics::toPixels(QPointF twips) const
{
    return {toPixelsX(twips.x()), toPixelsY(twips.y())};
}

QRect ScreenMetrics::toPixels(const TwipsRect &twips) const
{
    const int x = toPixelsX(twips.left);
    const int y = toPixelsY(twips.top);
    const int right = toPixelsX(twips.left + twips.width);
    const int bottom = toPixelsY(twips.top + twips.height);
    return {x, y, std::max(0, right - x), std::max(0, bottom - y)};
}

QPointF ScreenMetrics::toTwips(QPointF pixels) const
{
    return {toTwipsX(pixels.x()), toTwipsY(pixels.y())};
}

int ScreenMetrics::dotsPerMetreX() const
{
    return static_cast<int>(std::lround(TwipsPerInch / twipsPerPixelX() * InchesPerMetre));
}

int ScreenMetrics::dotsPerMetreY() const
{
    return static_cast<int>(std::lround(TwipsPerInch / twipsPerPixelY() * InchesPerMetre));
}

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
    return toTwipsX(pixelGeometry().width());
}

double QtScreenMetrics::heightTwips() const
{
    return toTwipsY(pixelGeometry().height());
}

QRect QtScreenMetrics::pixelGeometry() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}
