#pragma once

#include "controls/colour_contrast.h"

#include <QColor>

class QWidget;

// Text that stays readable where the window's design fixes a background colour and the desktop
// chooses the text colour: a dark theme's light text on the headings' light yellow cannot be
// read. WCAG's contrast ratio decides, at its 4.5:1 for ordinary text.
namespace ReadableColours {

inline constexpr double kMinimumContrast = 4.5;

// WCAG 2's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
inline double contrastRatio(const QColor &a, const QColor &b)
{
    return ColourContrast::ratio(a, b);
}

// The desktop's `preferred` text colour where it reads on `background`; otherwise black or
// white, whichever reads better there.
QColor textOn(const QColor &background, const QColor &preferred);

// Gives `widget` the fixed `background` (as its Window colour) and, for its text, the desktop's
// colour of `textRole` where that reads on it, or the readable stand-in; again whenever the
// desktop's theme changes.
void setFixedBackground(QWidget &widget, const QColor &background, int textRole);

} // namespace ReadableColours
