// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>
#include <QString>

// What a screen reader says of the large picture and of the colour picked on it.
namespace accessibility {

// "Colour plane: green 128; blue across, red down": the base channel (0 red, 1 green, 2 blue) and its value,
// and the channels that run along the plane.
QString planeName(int baseChannel, int baseValue);
// "Picked #4080C0: red 64, green 128, blue 192"
QString pickedText(QRgb picked);
// "contrast ratio 3.13:1, AA normal text: fail"
QString contrastText(QRgb background, QRgb foreground);

} // namespace accessibility
