#pragma once

// Stored geometry is in twips (1/1440 inch): 15 twips are one pixel at 96 dots per inch, and
// Qt's high-DPI scaling keeps them true elsewhere.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}
