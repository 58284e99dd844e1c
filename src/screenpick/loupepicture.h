// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

// What the loupe shows, in device pixels.
namespace loupe {

// Device pixels of the black frame around the picture.
inline constexpr int kFrame = 1;

// Black or white, whichever stands out more against color, so that the outline shows on any pixel.
QRgb outlineColor(QRgb color);

// area (odd on both sides) magnified: each pixel a square of magnification device pixels, no smoothing,
// inside the frame; the sample, the centre pixel or the square of sampleSize pixels around it, outlined
// inside its own edge in black or white (whichever stands out more against its mean), each pixel's middle
// left as it is; a pixel outside every screen (transparent) shown as a grey check.
QImage picture(const QImage &area, int magnification, int sampleSize = 1);

// The text under the picture: the sample's HTML form and its contrast ratio against other, cut to two
// decimals as the contrast panel cuts it, and the sample's size when it is more than a pixel:
// "#4080C0  4.57:1", "#4080C0  4.57:1  (3x3)".
QString caption(QRgb color, QRgb other, int sampleSize = 1);

} // namespace loupe
