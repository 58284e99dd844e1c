// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <array>

// A stored base channel as the pair takes it: any other than red and green is blue, as the form loads it.
inline constexpr int baseChannelOf(int stored)
{
    return stored == 0 || stored == 1 ? stored : 2;
}

// One colour of the pair: the colour itself, opaque, and the base channel it is edited with (0 red,
// 1 green, 2 blue).
struct PairColor
{
    QRgb rgb = 0xFF000000u;
    int baseChannel = 0;
    friend bool operator==(const PairColor &, const PairColor &) = default;
};

// The pair as undo brings it back: the background (colors[0]), the foreground (colors[1]) and which of the
// two is being edited.
struct PairState
{
    std::array<PairColor, 2> colors{};
    int edited = 0;
    friend bool operator==(const PairState &, const PairState &) = default;
};
