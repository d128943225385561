// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - fitting a window laid out for a 1024 x 768 screen to the real one.
#include "layout/modResize.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/services/ScreenMetrics.h"

#include <cmath>
#include <exception>
#include <stdexcept>

float XFactor = 0;
float YFactor = 0;

namespace {

constexpr double DesignWidthTwips = 15360.0;  // 1024 pixels at 15 twips each
constexpr double DesignHeightTwips = 11520.0; // 768 pixels at 15 twips each

// Runs one step; a control without the property keeps it unchanged.
template <class Step> void skipOnFailure(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
        // Deliberately ignored: the next step goes on.
    }
}

// The product in single precision. A screen that reports no size gives no
// usable factor: the step fails and the window keeps its design size.
double scaled(double value, float factor)
{
    if (!(factor > 0) || !std::isfinite(factor)) {
        throw std::domain_error("no screen size to scale to");
    }
    return static_cast<float>(value) * factor;
}

void scaleControl(Control &c)
{
    const TwipsScale scale{[](double v) { return scaled(v, XFactor); },
                           [](double v) { return scaled(v, YFactor); }};
    skipOnFailure([&] { c.scaleGeometry(scale); });
    if (c.scalesFont()) {
        skipOnFailure([&] { c.setFontSize(scaled(c.FontSize(), XFactor)); });
    }
}

} // namespace

void ResizeForm(Form &form)
{
    skipOnFailure([&] {
        const ScreenMetrics &screen = form.screenMetrics();
        // Whole twips, a half going to the even neighbour.
        const double width = std::nearbyint(screen.widthTwips());
        const double height = std::nearbyint(screen.heightTwips());
        XFactor = static_cast<float>(width / DesignWidthTwips);
        YFactor = static_cast<float>(height / DesignHeightTwips);
    });
    skipOnFailure([&] {
        form.Move({scaled(form.Left(), XFactor), scaled(form.Top(), YFactor),
                   scaled(form.Width(), XFactor), scaled(form.Height(), YFactor)});
    });
    const auto controls = form.Controls();
    const std::size_t count = controls.size();
    for (std::size_t i = 0; i < count; ++i) {
        skipOnFailure([&] { scaleControl(*controls[i]); });
    }
    skipOnFailure([&] { form.Refresh(); });
}
