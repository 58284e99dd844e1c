// SPDX-License-Identifier: MIT
#include "color/colorspaces.h"

#include "color/gamutmap.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

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
// The predefined RGB spaces of color(): linear light to XYZ in their own white and back (ProPhoto's white is
// D50, the others' D65), as CSS Color 4 gives them.
constexpr Matrix kLinearP3ToXyz = {{{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                                    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                                    {0.0, 32229.0 / 714400, 5220557.0 / 5000800}}};
constexpr Matrix kXyzToLinearP3 = {{{446124.0 / 178915, -333277.0 / 357830, -72051.0 / 178915},
                                    {-14852.0 / 17905, 63121.0 / 35810, 423.0 / 17905},
                                    {11844.0 / 330415, -50337.0 / 660830, 316169.0 / 330415}}};
constexpr Matrix kLinearA98ToXyz = {{{573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
                                     {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
                                     {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835}}};
constexpr Matrix kXyzToLinearA98 = {{{1829569.0 / 896150, -506331.0 / 896150, -308931.0 / 896150},
                                     {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                     {16779.0 / 1248040, -147721.0 / 1248040, 1266979.0 / 1248040}}};
constexpr Matrix kLinearProphotoToXyzD50 = {{{0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
                                             {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
                                             {0.0, 0.0, 0.82510460251046020}}};
constexpr Matrix kXyzD50ToLinearProphoto = {
    {{1.34578688164715830, -0.25557208737979464, -0.05110186497554526},
     {-0.54463070512490190, 1.50824774284514680, 0.02052744743642139},
     {0.0, 0.0, 1.21196754563894520}}};
constexpr Matrix kLinear2020ToXyz = {{{63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
                                      {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
                                      {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314}}};
constexpr Matrix kXyzToLinear2020 = {{{30757411.0 / 17917100, -6372589.0 / 17917100, -4539589.0 / 17917100},
                                      {-19765991.0 / 29648200, 47925759.0 / 29648200, 467509.0 / 29648200},
                                      {792561.0 / 44930125, -1921689.0 / 44930125, 42328811.0 / 44930125}}};
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

// HSL and HWB as their text forms write them, from sRGB channels of 0..1; a grey gets hue 0.
Triple hslNumbers(const Triple &c, bool grey)
{
    const Triple hsl = hslOf(c);
    return {grey ? 0 : hsl[0], hsl[1] * 100, hsl[2] * 100};
}

Triple hwbNumbers(const Triple &c, bool grey)
{
    const double hue = grey ? 0 : hslOf(c)[0];
    return {hue, std::min({c[0], c[1], c[2]}) * 100, (1 - std::max({c[0], c[1], c[2]})) * 100};
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

double clampTo(double v, double low, double high)
{
    return std::isnan(v) ? low : std::clamp(v, low, high);
}

// The transfer functions of the predefined spaces, each extended to negative values by symmetry.
double a98ToLinear(double v)
{
    return std::copysign(std::pow(std::abs(v), 563.0 / 256), v);
}

double a98FromLinear(double v)
{
    return std::copysign(std::pow(std::abs(v), 256.0 / 563), v);
}

double prophotoToLinear(double v)
{
    const double a = std::abs(v);
    return a <= 16.0 / 512 ? v / 16 : std::copysign(std::pow(a, 1.8), v);
}

double prophotoFromLinear(double v)
{
    const double a = std::abs(v);
    return a >= 1.0 / 512 ? std::copysign(std::pow(a, 1 / 1.8), v) : 16 * v;
}

constexpr double kRec2020Alpha = 1.09929682680944;
constexpr double kRec2020Beta = 0.018053968510807;

double rec2020ToLinear(double v)
{
    const double a = std::abs(v);
    return a < kRec2020Beta * 4.5
               ? v / 4.5
               : std::copysign(std::pow((a + kRec2020Alpha - 1) / kRec2020Alpha, 1 / 0.45), v);
}

double rec2020FromLinear(double v)
{
    const double a = std::abs(v);
    return a > kRec2020Beta ? std::copysign(kRec2020Alpha * std::pow(a, 0.45) - (kRec2020Alpha - 1), v)
                            : 4.5 * v;
}

// An RGB space of color(): its transfer function both ways and its matrices to XYZ (D65) and back.
struct RgbSpace
{
    double (*toLinear)(double);
    double (*fromLinear)(double);
    const Matrix *toXyz;
    const Matrix *fromXyz;
    bool whiteD50 = false;
};

double identity(double v)
{
    return v;
}

std::optional<RgbSpace> rgbSpace(Space space)
{
    switch (space) {
    case Space::Srgb:
        return RgbSpace{toLinear, fromLinear, &kLinearSrgbToXyz, &kXyzToLinearSrgb};
    case Space::SrgbLinear:
        return RgbSpace{identity, identity, &kLinearSrgbToXyz, &kXyzToLinearSrgb};
    case Space::DisplayP3:
        return RgbSpace{toLinear, fromLinear, &kLinearP3ToXyz, &kXyzToLinearP3};
    case Space::A98Rgb:
        return RgbSpace{a98ToLinear, a98FromLinear, &kLinearA98ToXyz, &kXyzToLinearA98};
    case Space::ProphotoRgb:
        return RgbSpace{prophotoToLinear, prophotoFromLinear, &kLinearProphotoToXyzD50,
                        &kXyzD50ToLinearProphoto, true};
    case Space::Rec2020:
        return RgbSpace{rec2020ToLinear, rec2020FromLinear, &kLinear2020ToXyz, &kXyzToLinear2020};
    default:
        return std::nullopt;
    }
}

Triple map(const Triple &v, double (*f)(double))
{
    return {f(v[0]), f(v[1]), f(v[2])};
}

// HWB as sRGB: whiteness plus blackness of 1 or more is the grey CSS makes of it.
Triple rgbOfHwb(double hue, double white, double black)
{
    if (white + black >= 1) {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    Triple c = rgbOfHsl(hue, 1, 0.5);
    for (double &channel : c)
        channel = channel * (1 - white - black) + white;
    return c;
}

} // namespace

int channel8(double unit)
{
    // The allowance keeps an exact half that floating point lands just below from rounding down.
    double scaled = unit * 255;
    if (!(scaled > 0))
        scaled = 0;
    if (scaled > 255)
        scaled = 255;
    return int(std::floor(scaled + 0.5 + 1e-9));
}

Triple fromRgb(QRgb rgb, Space space)
{
    const bool grey = qRed(rgb) == qGreen(rgb) && qGreen(rgb) == qBlue(rgb);
    switch (space) {
    case Space::Rgb255:
        return {double(qRed(rgb)), double(qGreen(rgb)), double(qBlue(rgb))};
    case Space::Srgb:
        return unitChannels(rgb);
    case Space::Hsl:
        return hslNumbers(unitChannels(rgb), grey);
    case Space::Hwb:
        return hwbNumbers(unitChannels(rgb), grey);
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
    default:
        return fromXyz(times(kLinearSrgbToXyz, linearChannels(rgb)), space);
    }
}

Triple clampedAsRead(Space space, const Triple &v)
{
    switch (space) {
    case Space::Rgb255:
        return {clampTo(v[0], 0, 255), clampTo(v[1], 0, 255), clampTo(v[2], 0, 255)};
    case Space::Hsl:
    case Space::Hwb:
        return {v[0], clampTo(v[1], 0, 100), clampTo(v[2], 0, 100)};
    case Space::Lab:
        return {clampTo(v[0], 0, 100), v[1], v[2]};
    case Space::Lch:
        return {clampTo(v[0], 0, 100), std::max(v[1], 0.0), v[2]};
    case Space::Oklab:
        return {clampTo(v[0], 0, 1), v[1], v[2]};
    case Space::Oklch:
        return {clampTo(v[0], 0, 1), std::max(v[1], 0.0), v[2]};
    default:
        return v;
    }
}

Triple toSrgb(Space space, const Triple &v)
{
    switch (space) {
    case Space::Rgb255:
        return {v[0] / 255, v[1] / 255, v[2] / 255};
    case Space::Srgb:
        return v;
    case Space::Hsl:
        return rgbOfHsl(v[0], v[1] / 100, v[2] / 100);
    case Space::Hwb:
        return rgbOfHwb(v[0], v[1] / 100, v[2] / 100);
    default:
        return map(times(kXyzToLinearSrgb, toXyz(space, v)), fromLinear);
    }
}

Triple toXyz(Space space, const Triple &v)
{
    switch (space) {
    case Space::Rgb255:
    case Space::Hsl:
    case Space::Hwb:
        return toXyz(Space::Srgb, toSrgb(space, v));
    case Space::Lab:
        return times(kD50ToD65, xyzD50OfLab(v));
    case Space::Lch:
        return times(kD50ToD65, xyzD50OfLab(cartesian(v)));
    case Space::Oklab:
        return xyzOfOklab(v);
    case Space::Oklch:
        return xyzOfOklab(cartesian(v));
    case Space::XyzD50:
        return times(kD50ToD65, v);
    case Space::XyzD65:
        return v;
    default:
        break;
    }
    const RgbSpace rgb = *rgbSpace(space);
    const Triple xyz = times(*rgb.toXyz, map(v, rgb.toLinear));
    return rgb.whiteD50 ? times(kD50ToD65, xyz) : xyz;
}

Triple fromXyz(const Triple &xyz, Space space)
{
    switch (space) {
    case Space::Rgb255: {
        const Triple unit = fromXyz(xyz, Space::Srgb);
        return {unit[0] * 255, unit[1] * 255, unit[2] * 255};
    }
    case Space::Hsl:
        return hslNumbers(fromXyz(xyz, Space::Srgb), false);
    case Space::Hwb:
        return hwbNumbers(fromXyz(xyz, Space::Srgb), false);
    case Space::Lab:
        return labOfXyzD50(times(kD65ToD50, xyz));
    case Space::Lch:
        return polar(labOfXyzD50(times(kD65ToD50, xyz)), false);
    case Space::Oklab:
        return oklabOfXyz(xyz);
    case Space::Oklch:
        return polar(oklabOfXyz(xyz), false);
    case Space::XyzD50:
        return times(kD65ToD50, xyz);
    case Space::XyzD65:
        return xyz;
    default:
        break;
    }
    const RgbSpace rgb = *rgbSpace(space);
    return map(times(*rgb.fromXyz, rgb.whiteD50 ? times(kD65ToD50, xyz) : xyz), rgb.fromLinear);
}

QRgb toRgb(Space space, const Triple &values)
{
    return gamutmap::toRgb(toSrgb(space, clampedAsRead(space, values))).rgb;
}

} // namespace colorspaces
