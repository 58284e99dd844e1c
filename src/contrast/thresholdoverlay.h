// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <array>
#include <vector>

// Where the colours of the plane and of the swatches cross the contrast ratios 3, 4.5 and 7 against the
// other colour, and how the lines there are drawn (the images are made in thresholds/).
namespace contrast {

inline constexpr std::array<double, 3> kOverlayThresholds{3.0, 4.5, 7.0};

// Which points of a picture meet each threshold. Luminance grows along both axes, so in a row the points
// that meet threshold k are a run from the dark start and a run to the light end: x < darkEnd[k] or
// x >= lightBegin[k].
struct PassGrid
{
    struct Row
    {
        std::array<int, 3> darkEnd, lightBegin;
    };
    int width = 0, height = 0;
    std::vector<Row> rows;

    bool passes(int k, int x, int y) const
    {
        const Row &row = rows[size_t(y)];
        return x < row.darkEnd[k] || x >= row.lightBegin[k];
    }
    // Bit k set where the point meets kOverlayThresholds[k].
    int at(int x, int y) const
    {
        return (passes(0, x, y) ? 1 : 0) | (passes(1, x, y) ? 2 : 0) | (passes(2, x, y) ? 4 : 0);
    }
};

// The plane at baseValue of baseChannel (0 red, 1 green, 2 blue): the point (x, y) shows channel value x
// along the plane's x channel and y along its y channel, 256 points each way.
PassGrid planePasses(int baseChannel, int baseValue, QRgb other);
// Swatch index (0..15) at level 16 * index + 8: the point (x, y) of 65 x 65 shows 4x and 4y, 256 read as 255.
PassGrid swatchPasses(int baseChannel, int index, QRgb other);

// Whether the line of threshold k is drawn at distance step along it: 3:1 solid, 4.5:1 dashed, 7:1 dotted.
// A line is two pixels wide, dark on the contour point and light on the neighbour across the crossing, so
// it shows on any colour.
bool lineDrawn(int k, int step);
inline constexpr QRgb kLineDark = 0xFF000000u;
inline constexpr QRgb kLineLight = 0xFFFFFFFFu;

} // namespace contrast
