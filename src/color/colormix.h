// SPDX-License-Identifier: MIT
#pragma once

#include "color/csscolor.h"

#include <vector>

// Interpolating colours as CSS Color 4 does it for color-mix(): in a chosen space, premultiplied by alpha,
// with missing components taken from the other colour and hues going round the way asked for.
namespace colormix {

enum class HueMethod { Shorter, Longer, Increasing, Decreasing };

// The colour in another space: a missing component stays missing in its analogue there (red in x, a
// lightness in a lightness, ...), and a hue that an achromatic colour does not have is missing. HSL and
// HWB hold only sRGB, so a colour outside it is gamut mapped on its way there.
csscolor::Color convert(const csscolor::Color &color, colorspaces::Space to);

struct Item
{
    csscolor::Color color;
    // The share of the mix, 0..1; the shares add up to 1.
    double share = 0;
};

// The colours mixed in space: the first with the second, that mix with the third, and so on, each step
// weighted by the shares so far.
csscolor::Color mix(const std::vector<Item> &items, colorspaces::Space space, HueMethod method);

} // namespace colormix
