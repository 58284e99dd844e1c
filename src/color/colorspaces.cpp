// SPDX-License-Identifier: MIT
#include "color/colorspaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace colorspaces {

namespace {

using Matrix = std::array<Triple, 3>;

// CSS Color 4's matrices: linear sRGB to XYZ and back (D65), Bradford between D65 and D50, and XYZ to
// OKLab's cone responses and back.
constexpr Matrix kLinearSrgbToXyz = {{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                      {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                      {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
constexpr Matrix kXyzToLinearSrgb = {{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                      {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                      {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
constexpr Matrix kD65ToD50 = {{{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                               {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                               {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}}};
constexpr Matrix kD50ToD65 = {{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                               {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                               {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Matrix kXyzToLms = {{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                               {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                               {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
constexpr Matrix kLmsToOklab = {{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                 {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                 {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
constexpr Matrix kLmsToXyz = {{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                               {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                               {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
constexpr Matrix kOklabToLms = {{{1.0, 0.3963377773761749, 0.2158037573099136},
                                 {1.0, -0.1055613458156586, -0.0638541728258133},
                                 {1.0, -0.0894841775298119, -1.2914855480194092}}};
constexpr Triple kD50 = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double kEpsilon = 216.0 / 24389; // 6^3 / 29^3
constexpr double kKappa = 24389.0 / 27;    // 29^3 / 3^3
constexpr double kDegrees = 180 / std::numbers::pi;

Triple times(const Matrix &m, const Triple &v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The transfer function, extended to negative values by symmetry as CSS does.
double toLinear(double v)
{
    const double a = std::abs(v);
    return a <= 0.04045 ? v / 12.92 : std::copysign(std::pow((a + 0.055) / 1.055, 2.4), v);
}

double fromLinear(double v)
{
    const double a = std::abs(v);
    return a > 0.0031308 ? std::copysign(1.055 * std::pow(a, 1 / 2.4) - 0.055, v) : 12.92 * v;
}

// The 256 channel values in linear light, worked out once.
const std::array<double, 256> &linearChannels()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = toLinear(i / 255.0);
        return t;
    }();
    return table;
}

Triple unitChannels(QRgb rgb)
{
    return {qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0};
}

Triple linearChannels(QRgb rgb)
{
    const std::array<double, 256> &t = linearChannels();
    return {t[qRed(rgb)], t[qGreen(rgb)], t[qBlue(rgb)]};
}

double normalHue(double hue)
{
    hue = std::fmod(hue, 360.0);
    return hue < 0 ? hue + 360 : hue;
}

// Hue in degrees, saturation and lightness 0..1, by CSS Color 4's rgbToHsl.
Triple hslOf(const Triple &c)
{
    const double max = std::max({c[0], c[1], c[2]});
    const double min = std::min({c[0], c[1], c[2]});
    const double lightness = (min + max) / 2;
    const double d = max - min;
    double hue = 0;
    double saturation = 0;
    if (d != 0) {
        saturation =
            (lightness == 0 || lightness == 1) ? 0 : (max - lightness) / std::min(lightness, 1 - lightness);
        if (max == c[0])
            hue = (c[1] - c[2]) / d + (c[1] < c[2] ? 6 : 0);
        else if (max == c[1])
            hue = (c[2] - c[0]) / d + 2;
        else
            hue = (c[0] - c[1]) / d + 4;
        hue *= 60;
    }
    return {hue >= 360 ? hue - 360 : hue, saturation, lightness};
}

Triple rgbOfHsl(double hue, double saturation, double lightness)
{
    hue = normalHue(hue);
    const double a = saturation * std::min(lightness, 1 - lightness);
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple labOfXyzD50(const Triple &xyz)
{
    Triple f;
    for (int i = 0; i < 3; ++i) {
        const double v = xyz[i] / kD50[i];
        f[i] = v > kEpsilon ? std::cbrt(v) : (kKappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Triple xyzD50OfLab(const Triple &lab)
{
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const auto cube = [](double v) { return v * v * v; };
    const Triple xyz = {cube(f0) > kEpsilon ? cube(f0) : (116 * f0 - 16) / kKappa,
                        lab[0] > kKappa * kEpsilon ? cube(f1) : lab[0] / kKappa,
                        cube(f2) > kEpsilon ? cube(f2) : (116 * f2 - 16) / kKappa};
    return {xyz[0] * kD50[0], xyz[1] * kD50[1], xyz[2] * kD50[2]};
}

Triple oklabOfXyz(const Triple &xyz)
{
    Triple lms = times(kXyzToLms, xyz);
    for (double &v : lms)
        v = std::cbrt(v);
    return times(kLmsToOklab, lms);
}

Triple xyzOfOklab(const Triple &oklab)
{
    Triple lms = times(kOklabToLms, oklab);
    for (double &v : lms)
        v = v * v * v;
    return times(kLmsToXyz, lms);
}

// Chroma and hue of a and b; the hue of a colour with no chroma is 0.
Triple polar(const Triple &lab, bool grey)
{
    const double hue = grey ? 0 : normalHue(std::atan2(lab[2], lab[1]) * kDegrees);
    return {lab[0], std::hypot(lab[1], lab[2]), hue};
}

Triple cartesian(const Triple &lch)
{
    const double hue = lch[2] / kDegrees;
    return {lch[0], lch[1] * std::cos(hue), lch[1] * std::sin(hue)};
}

// One channel of 0..1 on the 8-bit scale, clipped and rounded, halves up. The allowance keeps an exact half
// that floating point lands just below from rounding down; a NaN counts as 0.
int channel8(double unit)
{
    double scaled = unit * 255;
    if (!(scaled > 0))
        scaled = 0;
    if (scaled > 255)
        scaled = 255;
    return int(std::floor(scaled + 0.5 + 1e-9));
}

QRgb rgbOfUnit(const Triple &c)
{
    return qRgb(channel8(c[0]), channel8(c[1]), channel8(c[2]));
}

QRgb rgbOfLinear(const Triple &linear)
{
    return rgbOfUnit({fromLinear(linear[0]), fromLinear(linear[1]), fromLinear(linear[2])});
}

double clampTo(double v, double low, double high)
{
    return std::isnan(v) ? low : std::clamp(v, low, high);
}

} // namespace

Triple fromRgb(QRgb rgb, Space space)
{
    const bool grey = qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb);
    switch (space) {
    case Space::Rgb255:
        return {double(qRed(rgb)), double(qGreen(rgb)), double(qBlue(rgb))};
    case Space::Srgb:
        return unitChannels(rgb);
    case Space::Hsl: {
        const Triple hsl = hslOf(unitChannels(rgb));
        return {grey ? 0 : hsl[0], hsl[1] * 100, hsl[2] * 100};
    }
    case Space::Hwb: {
        const Triple c = unitChannels(rgb);
        const double hue = grey ? 0 : hslOf(c)[0];
        return {hue, std::min({c[0], c[1], c[2]}) * 100, (1 - std::max({c[0], c[1], c[2]})) * 100};
    }
    case Space::Lab:
    case Space::Lch: {
        const Triple lab = labOfXyzD50(times(kD65ToD50, times(kLinearSrgbToXyz, linearChannels(rgb))));
        return space == Space::Lab ? lab : polar(lab, grey);
    }
    case Space::Oklab:
    case Space::Oklch: {
        const Triple oklab = oklabOfXyz(times(kLinearSrgbToXyz, linearChannels(rgb)));
        return space == Space::Oklab ? oklab : polar(oklab, grey);
    }
    }
    return {};
}

QRgb toRgb(Space space, const Triple &v)
{
    switch (space) {
    case Space::Rgb255:
        return rgbOfUnit({v[0] / 255, v[1] / 255, v[2] / 255});
    case Space::Srgb:
        return rgbOfUnit(v);
    case Space::Hsl:
        return rgbOfUnit(rgbOfHsl(v[0], clampTo(v[1], 0, 100) / 100, clampTo(v[2], 0, 100) / 100));
    case Space::Hwb: {
        const double white = clampTo(v[1], 0, 100) / 100;
        const double black = clampTo(v[2], 0, 100) / 100;
        if (white + black >= 1) {
            const double grey = white / (white + black);
            return rgbOfUnit({grey, grey, grey});
        }
        Triple c = rgbOfHsl(v[0], 1, 0.5);
        for (double &channel : c)
            channel = channel * (1 - white - black) + white;
        return rgbOfUnit(c);
    }
    case Space::Lab:
    case Space::Lch: {
        Triple lab = {clampTo(v[0], 0, 100), v[1], v[2]};
        if (space == Space::Lch)
            lab = cartesian({lab[0], std::max(v[1], 0.0), v[2]});
        return rgbOfLinear(times(kXyzToLinearSrgb, times(kD50ToD65, xyzD50OfLab(lab))));
    }
    case Space::Oklab:
    case Space::Oklch: {
        Triple oklab = {clampTo(v[0], 0, 1), v[1], v[2]};
        if (space == Space::Oklch)
            oklab = cartesian({oklab[0], std::max(v[1], 0.0), v[2]});
        return rgbOfLinear(times(kXyzToLinearSrgb, xyzOfOklab(oklab)));
    }
    }
    return qRgb(0, 0, 0);
}

} // namespace colorspaces
