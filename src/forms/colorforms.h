// SPDX-License-Identifier: MIT
#pragma once

#include "color/colorspaces.h"

#include <QRgb>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The text forms in which a colour can be copied: CSS, the program's own forms and program literals. Every
// text written here reads back as exactly the colour it was written for; forms with fractions use the
// fewest decimals that do.
namespace colorforms {

// The short names of the forms, in the order they are listed: "hex", "rgb", ... "python".
const QStringList &formNames();

// The index of a short name in formNames(); nothing for an unknown name.
std::optional<int> formIndex(QStringView name);

// Colour rgb (its alpha ignored) in form number index of formNames().
QString write(int index, QRgb rgb);

// The three numbers of rgb in space, written with the fewest decimals, the same for all three, that read
// back as rgb: { "0.251", "0.502", "0.753" } in Srgb.
std::array<QString, 3> numbers(QRgb rgb, colorspaces::Space space);

// A number rounded to decimals (0 to 6) places, a half away from zero, written without trailing zeros
// or a trailing point, and "0" for a number that rounds to zero: 0.5 gives "0.5" at 3 places, -0.0004 "0".
QString decimalText(double value, int decimals);

} // namespace colorforms
