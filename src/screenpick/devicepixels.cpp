// SPDX-License-Identifier: MIT
#include "screenpick/devicepixels.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QtMath>

namespace platform {

QRect deviceGeometry(const QScreen &screen)
{
    const QRect logical = screen.geometry();
    return QRect(logical.topLeft(), (QSizeF(logical.size()) * screen.devicePixelRatio()).toSize());
}

QScreen *screenOfDevicePixel(const QPoint &device)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        if (deviceGeometry(*screen).contains(device))
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

QPoint devicePixelOf(const QPointF &logical)
{
    QScreen *screen = QGuiApplication::screenAt(logical.toPoint());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return logical.toPoint();
    const QPoint origin = screen->geometry().topLeft();
    return origin + ((logical - origin) * screen->devicePixelRatio()).toPoint();
}

QPointF logicalPointOf(const QPoint &device)
{
    const QScreen *screen = screenOfDevicePixel(device);
    if (!screen)
        return device;
    const QPointF origin = screen->geometry().topLeft();
    return origin + (device - origin) / screen->devicePixelRatio();
}

QImage grabDevicePixels(const QRect &device)
{
    QImage image(device.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect screenRect = deviceGeometry(*screen);
        const QRect part = device & screenRect;
        if (part.isEmpty())
            continue;
        // QScreen::grabWindow takes logical coordinates and starts at the device pixel qRound(x * factor),
        // so at a scale factor above 1 not every device pixel can start a grab: a logical area one point
        // larger all round is grabbed and the part taken from it.
        const qreal factor = screen->devicePixelRatio();
        const QPoint local = part.topLeft() - screenRect.topLeft();
        const QPoint origin(qFloor(local.x() / factor), qFloor(local.y() / factor));
        const QPoint offset = local - QPoint(qRound(origin.x() * factor), qRound(origin.y() * factor));
        const int width = qCeil((part.width() + offset.x()) / factor) + 1;
        const int height = qCeil((part.height() + offset.y()) / factor) + 1;
        const QImage grabbed = screen->grabWindow(0, origin.x(), origin.y(), width, height)
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        const QPoint into = part.topLeft() - device.topLeft();
        for (int y = 0; y < part.height() && offset.y() + y < grabbed.height(); ++y) {
            const auto *from = reinterpret_cast<const QRgb *>(grabbed.constScanLine(offset.y() + y));
            auto *to = reinterpret_cast<QRgb *>(image.scanLine(into.y() + y));
            for (int x = 0; x < part.width() && offset.x() + x < grabbed.width(); ++x)
                to[into.x() + x] = from[offset.x() + x] | 0xFF000000u;
        }
    }
    return image;
}

} // namespace platform
