#pragma once

#include "controls/twips.h"

#include <array>
#include <QDate>
#include <QRect>
#include <QRgb>

// The main window's stored design: what the window is as soon as it exists, before any of its
// own code runs. Places and sizes in twips.
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

// The window's font, which the headings and boxes use too; Liberation Sans stands in for Arial
// where Arial is not installed, with the same metrics.
inline constexpr auto kFontFamily = "Arial";
inline constexpr int kFontPoints = 9;
inline constexpr QRgb kBackColor = 0xFFFFFF;
inline constexpr QRgb kHeadingBackColor = 0xFFFFC0;

// Drawn by tools/draw_resources.cpp. The window's icon is fully transparent; the hand is the
// tray control's stored picture, and so what the notification area shows.
inline constexpr auto kIconResource = ":/orvanta/form1.ico";
inline constexpr auto kTrayIconResource = ":/orvanta/hand.cur";

inline constexpr Place kMonthView1{120, 120, 9105, 2670, 7};
// The calendar offers these days and no others.
inline const QDate kMonthView1MinDate{1753, 1, 1};
inline const QDate kMonthView1MaxDate{9999, 12, 31};
// Invisible at run time: their places matter only in a designer.
inline constexpr Place kCSysTray1{4440, 5160, 510, 510, -1};
inline constexpr Place kSkinFramework1{585, 45, 360, 360, -1};

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
