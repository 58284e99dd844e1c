// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

#include <optional>

class QMouseEvent;
class QWidget;

namespace platform {

// Starts keeping the window system's own positions of pointer events; idempotent, once an application
// exists. Qt rounds mouse positions to whole logical pixels, which at a scale factor above 1 puts a click
// on the neighbouring point, and over the edge of a control onto the next one.
void recordNativePointerEvents();

// Where mouse event happened, in logical pixels from the top left of the top-level window it was
// delivered to, exactly: the top left corner of the device pixel under the pointer, which is where a
// picture drawn at a fractional scale takes that pixel's colour from; nothing where the window system did
// not report it.
std::optional<QPointF> exactWindowPosition(const QMouseEvent &event, const QWidget &window);

} // namespace platform
