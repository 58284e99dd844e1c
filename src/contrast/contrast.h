// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QString>

#include <array>

// Contrast figures of two colours: WCAG 2 luminance, ratio and verdicts, APCA lightness contrast,
// colour-vision simulation and the text that copies them. Colours are QRgb; alpha is ignored.
namespace contrast {

// Linear light of an sRGB channel value 0..255.
double linearChannel(int value);
double relativeLuminance(QRgb colour);
// The WCAG ratio of two relative luminances, lighter plus 0.05 over darker plus 0.05.
double luminanceRatio(double a, double b);
double contrastRatio(QRgb a, QRgb b);

// Two decimals, cut rather than rounded, so a figure shown as passing really passes: "3.13".
QString ratioFigure(double ratio);
// The same figure in hundredths: 313.
int ratioHundredths(double ratio);
// "Contrast ratio 3.13:1"
QString ratioText(double ratio);

struct Criterion
{
    const char *name;
    double threshold;
};
// AA normal text, AA large text, AAA normal text, AAA large text, user-interface components.
inline constexpr std::array<Criterion, 5> kCriteria{{{"AA normal text", 4.5},
                                                     {"AA large text", 3.0},
                                                     {"AAA normal text", 7.0},
                                                     {"AAA large text", 4.5},
                                                     {"User interface", 3.0}}};
inline bool passes(double ratio, double threshold)
{
    return ratio >= threshold;
}

// APCA lightness contrast Lc of text on a background; positive for dark text on light.
double apcaContrast(QRgb text, QRgb background);
// One decimal with its sign when negative: "-53.8".
QString apcaFigure(double lc);

enum class Vision { Protanopia, Deuteranopia, Tritanopia, NoColour };
inline constexpr std::array<Vision, 4> kVisions{Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia,
                                                Vision::NoColour};
QString visionName(Vision vision);
// The colour as seen with a full colour-vision deficiency.
QRgb simulateVision(QRgb colour, Vision vision);

// "#E0E0E0"
QString hexText(QRgb colour);
// The figures of both colours as lines for the clipboard, each ending in CR LF.
QString copyText(QRgb background, QRgb foreground);

} // namespace contrast
