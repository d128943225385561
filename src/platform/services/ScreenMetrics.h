// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the screen's size and resolution, in twips (1440 per inch), and
// the one conversion between twips and the screen's pixels.
#pragma once

#include "platform/core/TwipsRect.h"

#include <QPointF>
#include <QRect>

class ScreenMetrics
{
  public:
    virtual ~ScreenMetrics() = default;
    [[nodiscard]] virtual double twipsPerPixelX() const = 0;
    [[nodiscard]] virtual double twipsPerPixelY() const = 0;
    [[nodiscard]] virtual double widthTwips() const = 0;
    [[nodiscard]] virtual double heightTwips() const = 0;
    // The screen's area in device-independent pixels: where windows are centred.
    [[nodiscard]] virtual QRect pixelGeometry() const = 0;

    // Twips to whole pixels, a half rounded away from zero.
    [[nodiscard]] int toPixelsX(double twips) const;
    [[nodiscard]] int toPixelsY(double twips) const;
    [[nodiscard]] QPoint toPixels(QPointF twips) const;
    // A box in twips as pixels: each edge is rounded, so that boxes that touch
    // in twips touch in pixels.
    [[nodiscard]] QRect toPixels(const TwipsRect &twips) const;
    [[nodiscard]] double toTwipsX(double pixels) const { return pixels * twipsPerPixelX(); }
    [[nodiscard]] double toTwipsY(double pixels) const { return pixels * twipsPerPixelY(); }
    [[nodiscard]] QPointF toTwips(QPointF pixels) const;
    // The screen's resolution as a picture file states it.
    [[nodiscard]] int dotsPerMetreX() const;
    [[nodiscard]] int dotsPerMetreY() const;
};

// The primary screen as Qt reports it: its logical DPI and its size in
// device-independent pixels (Qt applies the device pixel ratio itself).
class QtScreenMetrics final : public ScreenMetrics
{
  public:
    [[nodiscard]] double twipsPerPixelX() const override;
    [[nodiscard]] double twipsPerPixelY() const override;
    [[nodiscard]] double widthTwips() const override;
    [[nodiscard]] double heightTwips() const override;
    [[nodiscard]] QRect pixelGeometry() const override;
};
