// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorspaces.h"

#include <QRgb>

// Bringing a colour into sRGB, where the program's colours live.
namespace gamutmap {

struct Result
{
    QRgb rgb = 0;
    // The colour lay outside sRGB, by more than rounding to 8 bits takes away, and was mapped into it.
    bool mapped = false;
};

// The 8-bit colour of sRGB channels (0..1 inside the gamut): each rounded to the nearest of 0..255, a half
// going up, when all lie within half a step of 0..1; otherwise first mapped into sRGB by CSS Color 4's
// binary search on OKLCh chroma (deltaEOK against the clipped colour, a just noticeable difference of 0.02).
Result toRgb(const colorspaces::Triple &srgb);

// The sRGB channels brought into 0..1 by the same mapping, unrounded; channels inside are kept as they are.
colorspaces::Triple intoGamut(const colorspaces::Triple &srgb);

} // namespace gamutmap
