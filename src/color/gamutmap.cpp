// SPDX-License-Identifier: MIT
#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>

namespace gamutmap {

namespace {

using colorspaces::Space;
using colorspaces::Triple;

// Half an 8-bit step: a channel this far outside 0..1 still rounds to 0 or 255, as it would have anyway.
constexpr double kHalfStep = 0.5 / 255;
constexpr double kJnd = 0.02;
constexpr double kEpsilon = 0.0001;

bool inside(const Triple &srgb, double margin)
{
    return std::all_of(srgb.begin(), srgb.end(), [&](double c) { return c >= -margin && c <= 1 + margin; });
}

// Each channel held to 0..1, a NaN counting as 0.
Triple clipped(const Triple &srgb)
{
    Triple c;
    for (int i = 0; i < 3; ++i)
        c[i] = std::isnan(srgb[i]) ? 0 : std::clamp(srgb[i], 0.0, 1.0);
    return c;
}

QRgb rgbOf(const Triple &srgb)
{
    return qRgb(colorspaces::channel8(srgb[0]), colorspaces::channel8(srgb[1]),
                colorspaces::channel8(srgb[2]));
}

// deltaEOK: the distance of two colours in OKLab.
double delta(const Triple &srgbOne, const Triple &oklchTwo)
{
    const Triple one = colorspaces::fromXyz(colorspaces::toXyz(Space::Srgb, srgbOne), Space::Oklab);
    const Triple two = colorspaces::fromXyz(colorspaces::toXyz(Space::Oklch, oklchTwo), Space::Oklab);
    return std::hypot(one[0] - two[0], one[1] - two[1], one[2] - two[2]);
}

Triple srgbOfOklch(const Triple &oklch)
{
    return colorspaces::toSrgb(Space::Oklch, oklch);
}

// CSS Color 4's binary search gamut mapping into sRGB, from step 2 on (the colour is outside sRGB).
Triple mapped(const Triple &srgb)
{
    Triple current = colorspaces::fromXyz(colorspaces::toXyz(Space::Srgb, srgb), Space::Oklch);
    // Channels so far out that their light overflows a double have no lightness or hue to keep.
    if (!std::isfinite(current[0]) || !std::isfinite(current[1]))
        return clipped(srgb);
    if (current[0] >= 1)
        return {1, 1, 1};
    if (current[0] <= 0)
        return {0, 0, 0};
    Triple clip = clipped(srgbOfOklch(current));
    if (delta(clip, current) < kJnd)
        return clip;
    double min = 0;
    double max = current[1];
    bool minInGamut = true;
    while (max - min > kEpsilon) {
        const double chroma = (min + max) / 2;
        current[1] = chroma;
        const Triple candidate = srgbOfOklch(current);
        if (minInGamut && inside(candidate, 0)) {
            min = chroma;
            continue;
        }
        clip = clipped(candidate);
        const double e = delta(clip, current);
        if (e < kJnd) {
            if (kJnd - e < kEpsilon)
                return clip;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return clip;
}

} // namespace

Triple intoGamut(const Triple &srgb)
{
    if (inside(srgb, 0))
        return srgb;
    return mapped(srgb);
}

Result toRgb(const Triple &srgb)
{
    if (inside(srgb, kHalfStep))
        return {rgbOf(srgb), false};
    return {rgbOf(intoGamut(srgb)), true};
}

} // namespace gamutmap
