// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QStringView>

#include <array>
#include <optional>

// Reading colours that the user pastes or types: the program's own copy texts and the usual web forms.
namespace colorparse {

// What a text names, as opaque colours: nothing (count 0), one colour (count 1, in colors[0]), or the two
// colours of the program's full report (count 2: background in colors[0], foreground in colors[1]).
struct ParsedColors
{
    int count = 0;
    std::array<QRgb, 2> colors{};
};

// Reads a text, ignoring blanks around it and case. One colour: "#RGB", "#RRGGBB", "0xRRGGBB", the
// Visual Basic "&HBBGGRR" (one to six digits, optional trailing "&"), a decimal number 0..16777215
// (red + 256 green + 65536 blue), "RGB(r,g,b)", CSS rgb()/rgba() with numbers 0..255 or percentages and
// hsl()/hsla() in the comma or space forms (alpha checked, then ignored), and the CSS colour keywords.
// Two colours: the full report of both colours as the copy command writes it. Anything else, or any
// value out of range, is rejected.
ParsedColors parseColorText(QStringView text);

// The one colour a text names; nothing for a full report or a rejected text.
std::optional<QRgb> parseOneColor(QStringView text);

} // namespace colorparse
