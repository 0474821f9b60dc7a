#pragma once

#include "platform/twips.h"

#include <array>
#include <QRect>

// The main window's stored design, in twips.
namespace Form1Design {

struct Place
{
    int left, top, width, height; // twips, from the client area's top-left corner
    int tabIndex;                 // -1: takes no place in the tab order

    constexpr QRect pixels() const
    {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                twipsToPixels(height)};
    }
};

inline constexpr int kClientWidth = 9360;
inline constexpr int kClientHeight = 9615;

inline constexpr Place kMonthView1{120, 120, 9105, 2670, 7};
// Invisible at run time: its place matters only in a designer.
inline constexpr Place kCSysTray1{4440, 5160, 510, 510, -1};

// Index k sits in row k / 2 and column k % 2; the right column is 120 twips wider. Each box
// starts 240 below its heading's top and so covers the heading's last pixel row.
inline constexpr std::array<Place, 8> kLabel1{{
    {120, 2880, 4440, 255, 8},
    {4680, 2880, 4560, 255, 9},
    {120, 4560, 4440, 255, 10},
    {4680, 4560, 4560, 255, 11},
    {120, 6240, 4440, 255, 12},
    {4680, 6240, 4560, 255, 13},
    {120, 7920, 4440, 255, 14},
    {4680, 7920, 4560, 255, 16},
}};

inline constexpr std::array<Place, 8> kText1{{
    {120, 3120, 4440, 1335, 0},
    {4680, 3120, 4560, 1335, 1},
    {120, 4800, 4440, 1335, 2},
    {4680, 4800, 4560, 1335, 3},
    {120, 6480, 4440, 1335, 4},
    {4680, 6480, 4560, 1335, 5},
    {120, 8160, 4440, 1335, 6},
    {4680, 8160, 4560, 1335, 15},
}};

} // namespace Form1Design
