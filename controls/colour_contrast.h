#pragma once

#include <QColor>

// WCAG 2's contrast between two colours, and the choice of a colour that reaches a contrast:
// what decides whether something drawn in a desktop's colour can be seen on another.
namespace ColourContrast {

// The contrast ratio of two colours (relative luminance on the sRGB curve), from 1 (the same)
// to 21 (black on white).
double ratio(const QColor &a, const QColor &b);

// `preferred` where its contrast with `background` reaches `minimum`; otherwise black or white,
// whichever contrasts more there.
QColor readableOn(const QColor &background, const QColor &preferred, double minimum);

} // namespace ColourContrast
