// SPDX-License-Identifier: MIT
#pragma once

#include "contrast/thresholdoverlay.h"

#include <QImage>

// The threshold lines as thin lines on a transparent image laid over a picture.
namespace thresholds {

// The contour lines of grid on a transparent image of size: a point is on the line of threshold k where its
// pass of k differs from its right or lower neighbour's. Points outside the grid stay transparent.
QImage contourImage(const contrast::PassGrid &grid, QSize size);
QImage planeOverlay(int baseChannel, int baseValue, QRgb other, QSize size = QSize(256, 256));
QImage swatchOverlay(int baseChannel, int index, QRgb other, QSize size = QSize(65, 65));

} // namespace thresholds
