// SPDX-License-Identifier: MIT
#include "areacheck/areaview.h"

#include "contrast/contrast.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace areaview {

double scale(QSize size, QSize room)
{
    if (size.isEmpty() || room.isEmpty())
        return 1.0;
    const double fits = std::min(double(room.width()) / size.width(), double(room.height()) / size.height());
    return fits >= 1 ? std::floor(fits) : fits;
}

} // namespace areaview

namespace {

// AA for normal text, as the marks tell it.
constexpr double kMarked = 4.5;

} // namespace

AreaView::AreaView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picArea"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AreaView::setArea(const QImage &area)
{
    m_area = area.convertToFormat(QImage::Format_ARGB32);
    layOut();
}

void AreaView::setForeground(QRgb foreground)
{
    if (foreground == m_foreground && !m_marks.isNull())
        return;
    m_foreground = foreground;
    mark();
}

void AreaView::layOut()
{
    const qreal ratio = devicePixelRatioF();
    const QSize room = (QSizeF(size()) * ratio).toSize();
    const double scale = areaview::scale(m_area.size(), room);
    const QSize shown(std::max(1, int(m_area.width() * scale)), std::max(1, int(m_area.height() * scale)));
    // Each device pixel shows the area's pixel it falls on, unsmoothed.
    m_picture =
        m_area.isNull() ? QImage() : m_area.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_picture.setDevicePixelRatio(ratio);
    mark();
}

void AreaView::resizeEvent(QResizeEvent *event)
{
    layOut();
    QWidget::resizeEvent(event);
}

void AreaView::mark()
{
    if (m_area.isNull()) {
        m_marks = QImage();
        update();
        return;
    }
    const double text = contrast::relativeLuminance(m_foreground);
    const auto fails = [text](QRgb p) {
        return qAlpha(p) != 0 &&
               !contrast::passes(contrast::luminanceRatio(text, contrast::relativeLuminance(p)), kMarked);
    };
    const QSize shown = m_picture.size();
    m_marks = QImage(shown, QImage::Format_ARGB32_Premultiplied);
    m_marks.fill(Qt::transparent);
    for (int y = 0; y < shown.height(); ++y) {
        const int sourceY = int(qint64(y) * m_area.height() / shown.height());
        const auto *source = reinterpret_cast<const QRgb *>(m_area.constScanLine(sourceY));
        auto *line = reinterpret_cast<QRgb *>(m_marks.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb p = source[qint64(x) * m_area.width() / shown.width()];
            if (areaview::onStripe(x, y) && fails(p))
                line[x] = contrast::contrastRatio(p, qRgb(0, 0, 0)) >=
                                  contrast::contrastRatio(p, qRgb(255, 255, 255))
                              ? 0xFF000000u
                              : 0xFFFFFFFFu;
        }
    }
    m_marks.setDevicePixelRatio(m_picture.devicePixelRatio());
    update();
}

void AreaView::paintEvent(QPaintEvent *)
{
    // On a screen of another scale factor the picture is made again for it.
    if (!m_area.isNull() && m_picture.devicePixelRatio() != devicePixelRatioF())
        layOut();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPointF(0, 0), m_picture);
    painter.drawImage(QPointF(0, 0), m_marks);
}
