// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>

// The area magnified to fit, each of its pixels a crisp square while it fits (smaller areas magnified by a
// whole factor), and above its image, never in it, the pixels where text in the foreground fails AA for
// normal text marked with stripes in black or white, whichever stands out on each.
class AreaView : public QWidget
{
public:
    explicit AreaView(QWidget *parent = nullptr);

    void setArea(const QImage &area);
    void setForeground(QRgb foreground);
    // The area as given, and the marks as they lie over its picture: opaque where a stripe is, transparent
    // elsewhere; both in the view's device pixels.
    const QImage &picture() const { return m_picture; }
    const QImage &marks() const { return m_marks; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();
    void mark();

    QImage m_area;
    QImage m_picture;
    QImage m_marks;
    QRgb m_foreground = 0;
};

namespace areaview {

// Device pixels across each pixel of an area of size shown in room: the largest whole factor that fits,
// or the fraction that fits for an area larger than the room.
double scale(QSize size, QSize room);
// Whether a device pixel of the marks lies on a stripe: diagonal stripes three pixels wide, six apart, so
// that every square of four by four pixels holds some.
inline bool onStripe(int x, int y)
{
    return (x + y) % 6 < 3;
}

} // namespace areaview
