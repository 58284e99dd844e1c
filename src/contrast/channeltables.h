// SPDX-License-Identifier: MIT
#pragma once

#include <array>

namespace contrast {

// Per-channel terms of the relative luminance, so every caller adds the same numbers in the same order and
// gets the same luminance to the last bit: (red + green) + blue.
struct ChannelTables
{
    std::array<double, 256> linear;
    std::array<double, 256> red, green, blue;
};
const ChannelTables &channelTables();

inline double luminanceOf(const ChannelTables &t, int r, int g, int b)
{
    return (t.red[r] + t.green[g]) + t.blue[b];
}

} // namespace contrast
