// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <array>

// The colour spaces of CSS Color 4 for the program's 8-bit sRGB colours, by CSS Color 4's own
// definitions: the sRGB transfer function and D65 white, the D50 white with Bradford adaptation for Lab
// and LCH, OKLab as published, and the predefined RGB and XYZ spaces of color() with their own matrices
// and transfer functions. Pure functions, no state.
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
    // The other spaces of color(), red, green and blue (or X, Y, Z) 0..1 inside their gamut.
    SrgbLinear,
    DisplayP3,
    A98Rgb,
    ProphotoRgb,
    Rec2020,
    XyzD50,
    XyzD65,
};

// The index of a space's hue among its three numbers, or -1.
constexpr int hueIndex(Space space)
{
    return space == Space::Hsl || space == Space::Hwb     ? 0
           : space == Space::Lch || space == Space::Oklch ? 2
                                                          : -1;
}

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

// The numbers as CSS keeps them when it reads them: rgb()'s channels, saturation, lightness, whiteness,
// blackness and chroma held to their ranges; a hue, and the numbers of color(), stay as they are.
Triple clampedAsRead(Space space, const Triple &values);

// CSS Color 4's conversions between a space and XYZ relative to D65, unbounded: nothing is clamped or
// clipped, so colours outside sRGB keep their numbers. A hue is taken as it is (a grey's is 0 on the way
// back), and HWB's whiteness plus blackness of 100 or more is the grey CSS makes of it.
Triple toXyz(Space space, const Triple &values);
Triple fromXyz(const Triple &xyz, Space space);

// The sRGB channels 0..1 (possibly outside that range) of numbers in space, unbounded.
Triple toSrgb(Space space, const Triple &values);

// The opaque 8-bit colour that numbers in space give: clamped as CSS reads them, then brought into sRGB as
// gamutmap::toRgb does, each channel rounded to the nearest of 0..255, a half going up.
QRgb toRgb(Space space, const Triple &values);

// One channel of 0..1 on the 8-bit scale, clipped and rounded, halves up; a NaN counts as 0.
int channel8(double unit);

} // namespace colorspaces
