// Tintwell - the screen's size and resolution, in twips (1440 per inch).
#pragma once

class ScreenMetrics
{
  public:
    virtual ~ScreenMetrics() = default;
    [[nodiscard]] virtual double twipsPerPixelX() const = 0;
    [[nodiscard]] virtual double twipsPerPixelY() const = 0;
    [[nodiscard]] virtual double widthTwips() const = 0;
    [[nodiscard]] virtual double heightTwips() const = 0;
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
};
