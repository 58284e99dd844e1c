// SPDX-License-Identifier: MIT
#pragma once

#include "screenpick/screenpicker.h"

#include <vector>

// A screen picker the test drives: it counts the starts (of areas too) and ends a pick as it is told.
class FakeScreenPicker final : public platform::ScreenPicker
{
public:
    void start() override
    {
        ++starts;
        active = true;
    }
    void startArea() override
    {
        ++areaStarts;
        active = true;
    }
    bool isActive() const override { return active; }
    void setSampleSize(int size) override { sampleSize = size; }
    void chooseSampleSize(int size) { emit sampleSizeChosen(size); }
    void startCorner(const QPoint &device) { emit areaStarted(device); }
    void pickArea(const QRect &device)
    {
        active = false;
        emit areaPicked(device);
    }

    void hover(QRgb color) { emit hovered(color); }
    void pick(QRgb color)
    {
        active = false;
        emit picked(color);
    }
    void cancel() override
    {
        ++cancels;
        if (!active)
            return;
        active = false;
        emit cancelled();
    }
    void point(const QPoint &device) { emit pointerAt(device); }
    void turnWheel(int steps) { emit wheelTurned(steps); }
    QImage screenArea(const QRect &device) const override
    {
        // A known pattern: each device pixel's colour tells where it is.
        QImage area(device.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                area.setPixel(x, y, patternAt(device.topLeft() + QPoint(x, y)));
        areas.push_back(device);
        return area;
    }
    static QRgb patternAt(const QPoint &p) { return qRgb(p.x() & 255, p.y() & 255, 128); }
    void fail(const QString &reason)
    {
        active = false;
        emit failed(reason);
    }

    int starts = 0;
    int areaStarts = 0;
    int cancels = 0;
    int sampleSize = 1;
    mutable std::vector<QRect> areas; // asked for, in order
    bool active = false;
};
