// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
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

// The frame a top-level window that is not shown yet will have, as far as the window system knows it
// before showing it: Windows knows it once the native window exists (Qt's frameGeometry() leaves it out
// until the window is shown); X window managers add theirs only later, so nothing is known here.
QMargins frameMarginsBeforeShow(QWidget &window);

} // namespace platform
