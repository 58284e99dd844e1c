// SPDX-License-Identifier: MIT
// On Windows Qt's own window geometry is used as it is.
#include "platform/nativewindow.h"

#include <QWidget>
#include <QWindow>

namespace platform {

std::optional<QRectF> exactGeometry(const QWidget &)
{
    return std::nullopt;
}

std::optional<QMarginsF> exactFrameMargins(const QWidget &)
{
    return std::nullopt;
}

QMargins frameMarginsBeforeShow(QWidget &window)
{
    window.winId(); // makes the native window, whose frame Windows then reports
    return window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
}

} // namespace platform
