// SPDX-License-Identifier: MIT
#pragma once

#include <QMarginsF>
#include <QRectF>

#include <optional>

class QWidget;

namespace platform {

// A shown top-level window's inner rectangle on the desktop and its frame's widths, in logical pixels,
// exactly as the window system has them in device pixels. Qt rounds both to whole logical pixels, which at
// a scale factor above 1 leaves gaps of a device pixel or two between windows placed side by side. Nothing
// where the window system does not say.
std::optional<QRectF> exactGeometry(const QWidget &window);
std::optional<QMarginsF> exactFrameMargins(const QWidget &window);

} // namespace platform
