// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QWidget>

// The outline of an area being picked: a ring, black outside and white inside so that it shows on any
// ground, that lies wholly outside the area, a few device pixels clear of it, so that the area's pixels
// are read as the screen shows them whether or not the ring is there. Clicks pass through it; it never
// takes the focus.
class AreaOutline : public QWidget
{
public:
    AreaOutline();

    // Shows the ring around the area, a rectangle of device pixels of the desktop.
    void surround(const QRect &device);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Logical pixels of the ring, and device pixels kept clear between it and the area.
    static constexpr int kRing = 2;
    static constexpr int kClear = 2;
    QRect m_device;
};
