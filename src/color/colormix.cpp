// SPDX-License-Identifier: MIT
#include "color/colormix.h"

#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>

namespace colormix {

namespace {

using colorspaces::Space;
using colorspaces::Triple;
using csscolor::Color;

// CSS Color 4's analogous components: a missing one is carried into its kind in the other space.
enum class Kind { None, Red, Green, Blue, Lightness, Colorfulness, Hue, OpposingA, OpposingB };

std::array<Kind, 3> kinds(Space space)
{
    switch (space) {
    case Space::Hsl:
        return {Kind::Hue, Kind::Colorfulness, Kind::Lightness};
    case Space::Hwb:
        return {Kind::Hue, Kind::None, Kind::None};
    case Space::Lab:
    case Space::Oklab:
        return {Kind::Lightness, Kind::OpposingA, Kind::OpposingB};
    case Space::Lch:
    case Space::Oklch:
        return {Kind::Lightness, Kind::Colorfulness, Kind::Hue};
    default:
        return {Kind::Red, Kind::Green, Kind::Blue};
    }
}

Triple present(const Color &color)
{
    Triple c = color.c;
    for (int i = 0; i < 3; ++i) {
        if (color.missing[i])
            c[i] = 0;
    }
    return c;
}

// Whether a colour just converted into space has no hue there, as CSS Color 4's conversions tell it.
bool achromatic(Space space, const Triple &c, const Triple &srgb)
{
    switch (space) {
    case Space::Lch:
        return c[1] <= 0.0015;
    case Space::Oklch:
        return c[1] <= 0.000004;
    case Space::Hsl:
    case Space::Hwb:
        return std::max({srgb[0], srgb[1], srgb[2]}) - std::min({srgb[0], srgb[1], srgb[2]}) < 1e-5;
    default:
        return false;
    }
}

double normalHue(double hue)
{
    hue = std::fmod(hue, 360.0);
    return hue < 0 ? hue + 360 : hue;
}

// Two hues made ready for a straight interpolation that goes round the way method says.
void fixHues(double &h1, double &h2, HueMethod method)
{
    h1 = normalHue(h1);
    h2 = normalHue(h2);
    const double d = h2 - h1;
    switch (method) {
    case HueMethod::Shorter:
        if (d > 180)
            h1 += 360;
        else if (d < -180)
            h2 += 360;
        break;
    case HueMethod::Longer:
        if (d > 0 && d < 180)
            h1 += 360;
        else if (d > -180 && d <= 0)
            h2 += 360;
        break;
    case HueMethod::Increasing:
        if (h2 < h1)
            h2 += 360;
        break;
    case HueMethod::Decreasing:
        if (h1 < h2)
            h1 += 360;
        break;
    }
}

// The colour progress of the way from a to b, both in one space.
Color interpolate(Color a, Color b, double progress, HueMethod method)
{
    const int hue = colorspaces::hueIndex(a.space);
    Color out;
    out.space = a.space;
    for (int i = 0; i < 3; ++i) {
        if (a.missing[i] && !b.missing[i])
            a.c[i] = b.c[i];
        else if (b.missing[i] && !a.missing[i])
            b.c[i] = a.c[i];
        out.missing[i] = a.missing[i] && b.missing[i];
    }
    if (a.alphaMissing && !b.alphaMissing)
        a.alpha = b.alpha;
    else if (b.alphaMissing && !a.alphaMissing)
        b.alpha = a.alpha;
    out.alphaMissing = a.alphaMissing && b.alphaMissing;
    if (hue >= 0 && !out.missing[hue])
        fixHues(a.c[hue], b.c[hue], method);

    const double alphaA = a.alphaMissing ? 1 : a.alpha;
    const double alphaB = b.alphaMissing ? 1 : b.alpha;
    out.alpha = alphaA + (alphaB - alphaA) * progress;
    for (int i = 0; i < 3; ++i) {
        if (i == hue) {
            out.c[i] = normalHue(a.c[i] + (b.c[i] - a.c[i]) * progress);
            continue;
        }
        // Premultiplied, so that a nearly transparent colour gives little of its colour to the mix.
        const double mixed = a.c[i] * alphaA + (b.c[i] * alphaB - a.c[i] * alphaA) * progress;
        out.c[i] = out.alpha != 0 ? mixed / out.alpha : mixed;
    }
    return out;
}

} // namespace

Color convert(const Color &color, Space to)
{
    if (color.space == to)
        return color;
    Color out = color;
    out.space = to;
    out.missing = {};
    Triple srgb{};
    if (to == Space::Hsl || to == Space::Hwb) {
        srgb = colorspaces::toSrgb(color.space, present(color));
        srgb = gamutmap::intoGamut(srgb);
        out.c = colorspaces::fromXyz(colorspaces::toXyz(Space::Srgb, srgb), to);
    } else {
        out.c = colorspaces::fromXyz(colorspaces::toXyz(color.space, present(color)), to);
    }
    const std::array<Kind, 3> from = kinds(color.space);
    const std::array<Kind, 3> into = kinds(to);
    for (int i = 0; i < 3; ++i) {
        if (!color.missing[i] || from[i] == Kind::None)
            continue;
        for (int j = 0; j < 3; ++j) {
            if (into[j] == from[i])
                out.missing[j] = true;
        }
    }
    const int hue = colorspaces::hueIndex(to);
    if (hue >= 0 && achromatic(to, out.c, srgb))
        out.missing[hue] = true;
    return out;
}

Color mix(const std::vector<Item> &items, Space space, HueMethod method)
{
    Color running = convert(items.front().color, space);
    double shares = items.front().share;
    for (size_t k = 1; k < items.size(); ++k) {
        const double total = shares + items[k].share;
        if (total > 0)
            running = interpolate(running, convert(items[k].color, space), items[k].share / total, method);
        shares = total;
    }
    return running;
}

} // namespace colormix
