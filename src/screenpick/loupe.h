// SPDX-License-Identifier: MIT
#pragma once

#include "screenpick/loupeplacement.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRgb>
#include <QWidget>

#include <optional>

// The loupe: a borderless window named "Loupe" beside the pointer, showing the screen's pixels around it
// magnified with the sample (the centre pixel, or the square around it whose mean a pick takes) outlined,
// and under them the sample's HTML form and contrast ratio.
// Clicks pass through it; it never takes the focus.
class Loupe : public QWidget
{
public:
    Loupe();

    // Moves beside the device pixel pointer, clear of the pixels level shows around it, on the pointer's
    // screen where it fits. Call it before reading those pixels.
    void follow(const QPoint &pointer, const loupe::Level &level);
    // Shows area, the pixels around the pointer, magnified, with the figures against other of the mean of
    // the square of sampleSize pixels at its centre.
    void showPixels(const QImage &area, int magnification, QRgb other, int sampleSize = 1);
    // The device rectangle the loupe covers, in the desktop's device pixels.
    QRect deviceRect() const { return m_device; }
    // Milliseconds since the loupe last moved off any of the device pixels; nothing when it was never there.
    std::optional<qint64> sinceUncovered(const QRect &device) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Logical pixels of the caption strip.
    static constexpr int kCaptionHeight = 18;

    QImage m_picture;
    QString m_caption;
    QRect m_device;
    QRect m_uncovered;
    QElapsedTimer m_moved;
};
