// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

class QScreen;

namespace platform {

// The desktop in device pixels, as Qt knows it: each screen's logical geometry keeps its device top-left
// corner and divides its size by the screen's scale factor.

// The screen showing a device pixel, or the primary screen when none does.
QScreen *screenOfDevicePixel(const QPoint &device);
// A screen's rectangle in device pixels.
QRect deviceGeometry(const QScreen &screen);
// The device pixel at a logical position of the desktop.
QPoint devicePixelOf(const QPointF &logical);
// The logical position of a device pixel's top-left corner.
QPointF logicalPointOf(const QPoint &device);

// The screen's pixels in a rectangle of device pixels, read through Qt's screen grab; transparent where
// no screen is.
QImage grabDevicePixels(const QRect &device);

} // namespace platform
