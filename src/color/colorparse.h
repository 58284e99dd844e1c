// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// Reading colours that the user pastes or types: the program's own copy texts and the usual web forms.
namespace colorparse {

// What a text names, as opaque colours: nothing (count 0), one colour (count 1, in colors[0]), or the two
// colours of the program's full report (count 2: background in colors[0], foreground in colors[1]).
// transparencyIgnored tells that the one colour was given with an alpha below 1, which is dropped;
// gamutMapped that it lay outside sRGB and was mapped into it; lightTaken that light-dark() gave its light
// colour. refusal says why a text that names a colour only within a page is refused.
struct ParsedColors
{
    int count = 0;
    std::array<QRgb, 2> colors{};
    bool transparencyIgnored = false;
    bool gamutMapped = false;
    bool lightTaken = false;
    QString refusal;
};

// Reads a text, ignoring blanks around it and ASCII case. One colour:
// - "#rgb", "#rgba", "#rrggbb", "#rrggbbaa"; six bare hexadecimal digits ("336699") as "#336699";
//   "0xRRGGBB" and Android's "0xAARRGGBB"; the Visual Basic "&HBBGGRR" (one to six digits, optional "&");
// - a decimal number 0..16777215 (red + 256 green + 65536 blue) of other than six digits, or of any
//   length followed by " (decimal)";
// - CSS Color 4's rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch() and color() in
//   every predefined space: blank separated with "none", percentages, angle units, calc() and "/ alpha",
//   or the legacy comma form of rgb() (all numbers or all percentages) and hsl(); values out of range are
//   clamped as CSS reads them, and a colour outside sRGB is gamut mapped into it as CSS Color 4 says;
//   "RGB(r,g,b)" is the comma form;
// - CSS Color 5's relative colours ("rgb(from #336699 r g calc(b - 20))"), color-mix(), contrast-color()
//   and light-dark() (its light colour), nested as CSS allows, and "transparent";
// - program literals: QColor(r, g, b), Color.FromArgb(r, g, b), new Color(r, g, b) and the tuple
//   (r, g, b) with whole numbers 0..255, and Swift's Color(red: r, green: g, blue: b) with 0..1;
// - the CSS colour keywords; currentcolor, var() and the system colours are refused with their reason.
// Two colours: the full report of both colours as the copy command writes it. Anything else is rejected.
ParsedColors parseColorText(QStringView text);

// The one colour a text names; nothing for a full report or a rejected text.
std::optional<QRgb> parseOneColor(QStringView text);

} // namespace colorparse
