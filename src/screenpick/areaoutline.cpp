// SPDX-License-Identifier: MIT
#include "screenpick/areaoutline.h"

#include "screenpick/devicepixels.h"

#include <QPainter>
#include <QRegion>
#include <QtMath>

AreaOutline::AreaOutline()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("AreaOutline"));
    setWindowTitle(QStringLiteral("Area"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AreaOutline::surround(const QRect &device)
{
    if (device == m_device && isVisible())
        return;
    m_device = device;
    // The hole is the area and its clearance, rounded outward to whole logical pixels, so that it holds
    // every device pixel of the area at any scale factor.
    const QRect clear = device.adjusted(-kClear, -kClear, kClear + 1, kClear + 1);
    const QPointF topLeft = platform::logicalPointOf(clear.topLeft());
    const QPointF bottomRight = platform::logicalPointOf(clear.bottomRight());
    const QRect hole(QPoint(qFloor(topLeft.x()), qFloor(topLeft.y())),
                     QPoint(qCeil(bottomRight.x()) - 1, qCeil(bottomRight.y()) - 1));
    const QRect outer = hole.adjusted(-kRing, -kRing, kRing, kRing);
    setGeometry(outer);
    setMask(QRegion(rect()).subtracted(QRegion(hole.translated(-outer.topLeft()))));
    update();
    if (!isVisible())
        show();
}

void AreaOutline::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(kRing / 2, kRing / 2, -kRing / 2, -kRing / 2), Qt::white);
}
