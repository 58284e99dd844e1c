// SPDX-License-Identifier: MIT
#include "screenpick/loupe.h"

#include "screenpick/devicepixels.h"
#include "screenpick/loupepicture.h"
#include "screenpick/sample.h"

#include <QPainter>
#include <QScreen>
#include <QtMath>

Loupe::Loupe()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Loupe"));
    setWindowTitle(QStringLiteral("Loupe"));
    setAccessibleName(QStringLiteral("Loupe"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Loupe::follow(const QPoint &pointer, const loupe::Level &level)
{
    const QScreen *screen = platform::screenOfDevicePixel(pointer);
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const int side = level.pixels * level.magnification + 2 * loupe::kFrame;
    const QSize logical(qCeil(side / ratio), qCeil(side / ratio) + kCaptionHeight);
    const QSize device = (QSizeF(logical) * ratio).toSize() + QSize(1, 1); // a fraction rounded either way
    const QRect screenRect = screen ? platform::deviceGeometry(*screen) : QRect(QPoint(), device);
    const QRect target = loupe::placement(pointer, device, level.pixels / 2, screenRect);
    if (target == m_device && size() == logical)
        return;
    if (isVisible()) {
        m_uncovered = m_device;
        m_moved.start();
    }
    m_device = target;
    setFixedSize(logical);
    move(platform::logicalPointOf(target.topLeft()).toPoint());
}

void Loupe::showPixels(const QImage &area, int magnification, QRgb other, int sampleSize)
{
    m_picture = loupe::picture(area, magnification, sampleSize);
    const QPoint centre(area.width() / 2, area.height() / 2);
    m_caption =
        loupe::caption(sample::mean(area, sample::squareAround(centre, sampleSize)), other, sampleSize);
    setAccessibleDescription(m_caption);
    update();
}

std::optional<qint64> Loupe::sinceUncovered(const QRect &device) const
{
    if (!m_moved.isValid() || !m_uncovered.intersects(device))
        return std::nullopt;
    return m_moved.elapsed();
}

void Loupe::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // Drawn at the window's own ratio, each screen pixel lands on whole device pixels, unsmoothed.
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    painter.drawImage(QPointF(0, 0), m_picture);
    const QRectF captionRect(0, height() - kCaptionHeight, width(), kCaptionHeight);
    painter.setPen(Qt::black);
    painter.drawRect(captionRect.adjusted(0, 0, -1, -1));
    painter.drawText(captionRect, Qt::AlignCenter, m_caption);
}
