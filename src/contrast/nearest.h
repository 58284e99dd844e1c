// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <optional>

namespace contrast {

// Ottosson's OKLab of a 24-bit colour, from its linear sRGB.
struct Oklab
{
    double L, a, b;
};
Oklab toOklab(QRgb colour);
// Squared Euclidean distance in OKLab; the nearest colour is the one with the least.
double oklabDistanceSquared(const Oklab &p, const Oklab &q);

// The 24-bit colour nearest to edited in OKLab whose contrast ratio against other is at least threshold:
// edited itself when it already passes, nothing when no colour reaches the threshold. Of equally near
// colours the one with the smallest 0xRRGGBB value wins.
std::optional<QRgb> nearestPassing(QRgb edited, QRgb other, double threshold);
// The same answer by trying every colour; for checking and measuring the search above.
std::optional<QRgb> nearestPassingByTryingAll(QRgb edited, QRgb other, double threshold);

} // namespace contrast
