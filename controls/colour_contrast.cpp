#include "colour_contrast.h"

#include <algorithm>

namespace ColourContrast {

namespace {

// x to the power 2.4 for x in (0, 1], to double precision, as exp(2.4 ln x) by series. The
// window's colours are checked while it starts, and the maths library's pow() alone would bring
// a quarter of a megabyte of it into memory for that.
double powerOf2_4(double x)
{
    // ln x = k ln 2 + ln m, with m in [1, 2): ln m = 2 atanh((m - 1) / (m + 1)).
    constexpr double kLn2 = 0.6931471805599453;
    int k = 0;
    double m = x;
    while (m < 1.0) {
        m *= 2.0;
        --k;
    }
    const double t = (m - 1.0) / (m + 1.0), t2 = t * t;
    double lnM = 0.0, term = t;
    for (int n = 1; n < 60; n += 2, term *= t2)
        lnM += term / n;
    const double y = 2.4 * (k * kLn2 + 2.0 * lnM); // at most 0
    // exp y = 2^j e^r, with r = y - j ln 2 in (-ln 2, 0].
    const int j = int(y / kLn2);
    const double r = y - j * kLn2;
    double expR = 1.0;
    term = 1.0;
    for (int n = 1; n < 30; ++n) {
        term *= r / n;
        expR += term;
    }
    for (int i = 0; i > j; --i)
        expR /= 2.0;
    return expR;
}

// WCAG 2's relative luminance of an sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : powerOf2_4((channel + 0.055) / 1.055);
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
