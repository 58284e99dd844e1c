// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <algorithm>
#include <array>

// For each base channel (0 red, 1 green, 2 blue): the channel that runs along x, then the one along y.
// The plane, the swatches, the threshold lines and every turn of a colour into plane coordinates share it.
inline constexpr std::array<std::array<int, 2>, 3> kPlaneAxes{{{2, 1}, {2, 0}, {1, 0}}};

// The base level of swatch index (0..15): the middle of its sixteenth of the channel's range.
inline constexpr int swatchLevel(int index)
{
    return 16 * index + 8;
}

// The value of a colour's channel (0 red, 1 green, 2 blue): its base value when that is its base channel.
inline int channelValue(QRgb rgb, int channel)
{
    return channel == 0 ? qRed(rgb) : channel == 1 ? qGreen(rgb) : qBlue(rgb);
}

// The colour of point (x, y) of the plane at base value base of baseChannel; each value is held to 0..255.
inline QRgb planeColor(int baseChannel, int base, int x, int y)
{
    std::array<int, 3> rgb{};
    rgb[baseChannel] = std::clamp(base, 0, 255);
    rgb[kPlaneAxes[baseChannel][0]] = std::clamp(x, 0, 255);
    rgb[kPlaneAxes[baseChannel][1]] = std::clamp(y, 0, 255);
    return qRgb(rgb[0], rgb[1], rgb[2]);
}
