// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

#include <functional>
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

// A set of relative luminances, as the search below asks about it.
class LuminanceSet
{
public:
    virtual ~LuminanceSet() = default;
    virtual bool contains(double luminance) const = 0;
    // Whether the set may hold a luminance from low to high: never false where it holds one.
    virtual bool meets(double low, double high) const = 0;
};
// The 24-bit colour nearest to edited in OKLab whose relative luminance is in the set, edited itself when
// its own is; nothing when no colour's is. Of equally near colours the smallest 0xRRGGBB wins.
std::optional<QRgb> nearestWithLuminanceIn(QRgb edited, const LuminanceSet &set);
// The same answer by trying every colour.
std::optional<QRgb> nearestWithLuminanceByTryingAll(QRgb edited, const std::function<bool(double)> &contains);

} // namespace contrast
