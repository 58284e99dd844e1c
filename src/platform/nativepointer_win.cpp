// SPDX-License-Identifier: MIT
// Windows reports mouse positions in whole device pixels, and Qt divides them by the scale factor without
// rounding, so an event's own position is already exact; nothing more exact is kept here.
#include "platform/nativepointer.h"

namespace platform {

void recordNativePointerEvents() {}

std::optional<QPointF> exactWindowPosition(const QMouseEvent &, const QWidget &)
{
    return std::nullopt;
}

} // namespace platform
