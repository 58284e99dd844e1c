// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

#include <optional>

namespace platform {

// The pointer's position on the desktop in device pixels, asked of the window system; nothing where only
// Qt's logical position is known (Qt's mouse positions are whole logical pixels, too coarse at a scale
// factor above 1).
std::optional<QPoint> devicePointerPosition();

} // namespace platform
