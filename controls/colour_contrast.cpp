#include "colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace ColourContrast {

namespace {

// WCAG 2's relative luminance of an sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double ratio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &background, const QColor &preferred, double minimum)
{
    if (ratio(background, preferred) >= minimum)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return ratio(background, black) >= ratio(background, white) ? black : white;
}

} // namespace ColourContrast
