// SPDX-License-Identifier: MIT
#include "color/contrastcolor.h"

#include <cmath>

namespace contrastcolor {

namespace {

double linear(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

bool whiteWins(QRgb background)
{
    const double luminance = 0.2126 * linear(qRed(background)) + 0.7152 * linear(qGreen(background)) +
                             0.0722 * linear(qBlue(background));
    // White's ratio is 1.05 / (L + 0.05), black's (L + 0.05) / 0.05.
    return 1.05 / (luminance + 0.05) >= (luminance + 0.05) / 0.05;
}

} // namespace contrastcolor
