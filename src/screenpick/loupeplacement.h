// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

// Where the loupe goes and how much it shows, in device pixels of the desktop.
namespace loupe {

struct Level
{
    int magnification; // device pixels across each screen pixel
    int pixels;        // screen pixels across, odd, so that one is the centre
};
inline constexpr std::array<Level, 4> kLevels{{{8, 27}, {12, 17}, {16, 13}, {24, 9}}};
inline constexpr int kDefaultLevel = 1;

// The level after the wheel turned steps from level (positive: larger), held at the first and last.
int levelAfter(int level, int steps);

// Device pixels kept free between the loupe and the pixels it shows, so that a small movement of the
// pointer never brings the pixels read under the loupe before it has moved.
inline constexpr int kGap = 16;

// The loupe's rectangle, of size, for a pointer on device pixel pointer whose reach pixels to each side are
// shown, on a screen's rectangle: right of and below the pointer, on the left or above where the screen's
// edge leaves no room. It never covers the pixels shown or the gap around them: on a screen too small for
// either side it takes the side with more room, partly off the screen.
QRect placement(const QPoint &pointer, const QSize &size, int reach, const QRect &screen);

} // namespace loupe
