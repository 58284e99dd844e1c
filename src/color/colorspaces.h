// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <array>

// The colour spaces of CSS Color 4 for the program's 8-bit sRGB colours, by CSS Color 4's own
// definitions: the sRGB transfer function and D65 white, the D50 white with Bradford adaptation for Lab
// and LCH, and OKLab as published. Pure functions, no state.
namespace colorspaces {

using Triple = std::array<double, 3>;

// Each space with its numbers in the units its text form writes them.
enum class Space {
    Rgb255, // red, green, blue 0..255
    Srgb,   // red, green, blue 0..1
    Hsl,    // hue in degrees, saturation and lightness in percent
    Hwb,    // hue in degrees, whiteness and blackness in percent
    Lab,    // lightness 0..100, a, b
    Lch,    // lightness 0..100, chroma, hue in degrees
    Oklab,  // lightness 0..1, a, b
    Oklch,  // lightness 0..1, chroma, hue in degrees
};

// Whether a space's third number is a hue.
constexpr bool hasHueLast(Space space)
{
    return space == Space::Lch || space == Space::Oklch;
}
constexpr bool hasHueFirst(Space space)
{
    return space == Space::Hsl || space == Space::Hwb;
}

// The numbers of an opaque 8-bit colour in space; greys, which have no hue, get hue 0.
Triple fromRgb(QRgb rgb, Space space);

// The opaque 8-bit colour that numbers in space give. Values outside their range are first clamped as CSS
// clamps them when it reads them (saturation, lightness, whiteness, blackness, chroma); then each sRGB
// channel is clipped to 0..1 and rounded to the nearest of 0..255, a half going up.
QRgb toRgb(Space space, const Triple &values);

} // namespace colorspaces
