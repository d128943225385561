// Tintwell - fitting a window laid out for a 1024 x 768 screen to the real one.
#include "layout/modResize.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Line.h"
#include "platform/services/ScreenMetrics.h"

#include <cmath>
#include <exception>

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

float scaled(double value, float factor)
{
    return static_cast<float>(value) * factor;
}

bool takesScaledFont(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::CommandButton:
        return true;
    default:
        return false;
    }
}

void scaleControl(Control &c)
{
    skipOnFailure([&] { c.setLeft(scaled(c.Left(), XFactor)); });
    skipOnFailure([&] { c.setTop(scaled(c.Top(), YFactor)); });
    skipOnFailure([&] { c.setWidth(scaled(c.Width(), XFactor)); });
    skipOnFailure([&] { c.setHeight(scaled(c.Height(), YFactor)); });
    if (takesScaledFont(c.Kind())) {
        skipOnFailure([&] { c.setFontSize(scaled(c.FontSize(), XFactor)); });
    }
    if (auto *line = dynamic_cast<Line *>(&c)) {
        skipOnFailure([&] { line->setX1(scaled(line->X1(), XFactor)); });
        skipOnFailure([&] { line->setY1(scaled(line->Y1(), YFactor)); });
        skipOnFailure([&] { line->setX2(scaled(line->X2(), XFactor)); });
        skipOnFailure([&] { line->setY2(scaled(line->Y2(), YFactor)); });
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
        form.Move(scaled(form.Left(), XFactor), scaled(form.Top(), YFactor),
                  scaled(form.Width(), XFactor), scaled(form.Height(), YFactor));
    });
    const auto &controls = form.Controls();
    const std::size_t count = controls.size();
    for (std::size_t i = 0; i < count; ++i) {
        skipOnFailure([&] { scaleControl(*controls.at(i)); });
    }
    skipOnFailure([&] { form.Refresh(); });
}
