// SPDX-License-Identifier: MIT
#pragma once

#include <QRgb>

// CSS Color 5's contrast-color(): white or black, whichever has the larger WCAG 2 contrast ratio against
// the colour as a background, white when both have the same (as browsers choose it).
namespace contrastcolor {

bool whiteWins(QRgb background);

} // namespace contrastcolor
