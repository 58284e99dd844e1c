// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// For each base channel (0 red, 1 green, 2 blue): the channel that runs along x, then the one along y.
// The plane, the swatches and every turn of a colour into plane coordinates share it.
inline constexpr std::array<std::array<int, 2>, 3> kPlaneAxes{{{2, 1}, {2, 0}, {1, 0}}};
