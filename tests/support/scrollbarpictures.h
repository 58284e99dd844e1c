// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/cachedscrollbarstyle.h"

#include <QApplication>
#include <QHoverEvent>
#include <QImage>
#include <QPixmapCache>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <array>
#include <memory>

// Two like scroll bars, one drawn by the application's kind of style itself and one through the cache, each
// pictured at the widget's own density on a white ground.
struct ScrollBarPictures
{
    explicit ScrollBarPictures(Qt::Orientation orientation)
        : plainStyle(QStyleFactory::create(QApplication::style()->name())), plain(orientation),
          cached(orientation)
    {
        QPixmapCache::clear();
        plain.setStyle(plainStyle.get());
        cached.setStyle(&cachedStyle);
        for (QScrollBar *bar : bars()) {
            bar->resize(orientation == Qt::Horizontal ? QSize(300, 17) : QSize(17, 300));
            bar->setRange(0, 100);
            bar->setPageStep(20);
        }
    }

    std::array<QScrollBar *, 2> bars() { return {&plain, &cached}; }

    static QImage picture(QScrollBar &bar)
    {
        const qreal scale = bar.devicePixelRatioF();
        QImage image((QSizeF(bar.size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        bar.render(&image);
        return image;
    }

    static QPoint sliderCentre(const QScrollBar &bar)
    {
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = bar.orientation();
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = option.sliderValue = bar.value();
        option.pageStep = bar.pageStep();
        option.singleStep = bar.singleStep();
        return bar.style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar)
            .center();
    }

    // Presses the slider of each bar where the style places it.
    void pressSliders()
    {
        for (QScrollBar *bar : bars())
            QTest::mousePress(bar, Qt::LeftButton, {}, sliderCentre(*bar));
    }

    // The pointer over this point of each bar, as the window would tell it.
    void hover(QPoint at)
    {
        for (QScrollBar *bar : bars()) {
            QHoverEvent event(QEvent::HoverMove, at, bar->mapToGlobal(at), at);
            QApplication::sendEvent(bar, &event);
        }
    }

    std::unique_ptr<QStyle> plainStyle;
    CachedScrollBarStyle cachedStyle;
    QScrollBar plain, cached;
};
