// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The application's own style, with the scroll bars it draws kept as pictures and drawn again from them while
// nothing they show has changed. Across a screen-wide view a scroll bar costs half as much as the view's
// content: its gradients span the whole length and are filled on other threads. A picture is drawn on a
// clear ground and laid where the style would have drawn; at a fractional scale, where the painter does more
// than move by whole device pixels, or where the bars fade by an animation, the style draws as usual.
class CachedScrollBarStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // A style of the same kind as the application's: the application's own instance keeps its proxy.
    explicit CachedScrollBarStyle(QObject *parent = nullptr);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

    // How many pictures were drawn rather than taken from the cache.
    int picturesDrawn() const { return m_drawn; }

private:
    mutable int m_drawn = 0;
};
