// SPDX-License-Identifier: MIT
#include "widgets/cachedscrollbarstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace {

// The kind of style and everything the option tells it, the rect by its size only: the picture is drawn at
// the origin.
QString keyOf(const QString &style, const QStyleOptionSlider &bar, qreal scale)
{
    return QStringLiteral("qcp-scrollbar-%1-%2x%3-%4-%5-%6-%7-%8-%9")
               .arg(style)
               .arg(bar.rect.width())
               .arg(bar.rect.height())
               .arg(scale)
               .arg(int(bar.state))
               .arg(int(bar.direction))
               .arg(bar.palette.cacheKey())
               .arg(bar.fontMetrics.fontDpi())
               .arg(bar.version) +
           QStringLiteral("-%1-%2-%3-%4-%5-%6-%7-%8-%9")
               .arg(int(bar.subControls))
               .arg(int(bar.activeSubControls))
               .arg(int(bar.orientation))
               .arg(bar.minimum)
               .arg(bar.maximum)
               .arg(bar.sliderPosition)
               .arg(bar.sliderValue)
               .arg(bar.pageStep)
               .arg(bar.singleStep) +
           QStringLiteral("-%1").arg(int(bar.upsideDown));
}

// Whether a picture laid at this point falls on the device pixels the style would have drawn: the painter
// scales by the device's own ratio, a whole number (at 1.5 a bar's edge may end inside a device pixel, which
// a picture would fill whole), and moves by whole device pixels.
bool onWholePixels(const QPainter &painter, const QPoint &at)
{
    const qreal scale = painter.device()->devicePixelRatioF();
    const QTransform t = painter.deviceTransform();
    if (scale != std::round(scale) || t.type() > QTransform::TxScale || t.m11() != scale || t.m22() != scale)
        return false;
    const QPointF origin = t.map(QPointF(at));
    return origin.x() == std::round(origin.x()) && origin.y() == std::round(origin.y());
}

} // namespace

CachedScrollBarStyle::CachedScrollBarStyle(QObject *parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(parent);
}

void CachedScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                              QPainter *painter, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar || option->rect.isEmpty() ||
        !onWholePixels(*painter, option->rect.topLeft()) ||
        styleHint(SH_ScrollBar_Transient, option, widget)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const qreal scale = painter->device()->devicePixelRatioF();
    const QString key = keyOf(baseStyle()->name(), *bar, scale);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap((QSizeF(option->rect.size()) * scale).toSize());
        picture.setDevicePixelRatio(scale);
        picture.fill(Qt::transparent);
        QPainter on(&picture);
        on.setRenderHints(painter->renderHints());
        QStyleOptionSlider atOrigin = *bar;
        atOrigin.rect.moveTopLeft({0, 0});
        QProxyStyle::drawComplexControl(control, &atOrigin, &on, widget);
        on.end();
        ++m_drawn;
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(option->rect.topLeft(), picture);
}
