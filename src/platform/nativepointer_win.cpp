// SPDX-License-Identifier: MIT
// Windows reports mouse positions in whole device pixels, and Qt divides them by the scale factor without
// rounding: the event's own position in its window is the exact one. Qt rounds it only to choose the
// control under the pointer, which the caller corrects with it.
#include "platform/nativepointer.h"

#include <QMouseEvent>

namespace platform {

void recordNativePointerEvents() {}

std::optional<QPointF> exactWindowPosition(const QMouseEvent &event, const QWidget &)
{
    // Events Qt makes itself (from touch, or sent by a program) have no device pixel behind them.
    if (event.source() != Qt::MouseEventNotSynthesized || !event.spontaneous())
        return std::nullopt;
    return event.scenePosition();
}

} // namespace platform
