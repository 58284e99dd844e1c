// SPDX-License-Identifier: MIT
// On Windows Qt's own window geometry is used as it is.
#include "platform/nativewindow.h"

namespace platform {

std::optional<QRectF> exactGeometry(const QWidget &)
{
    return std::nullopt;
}

std::optional<QMarginsF> exactFrameMargins(const QWidget &)
{
    return std::nullopt;
}

} // namespace platform
