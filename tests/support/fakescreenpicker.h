// SPDX-License-Identifier: MIT
#pragma once

#include "platform/screenpicker.h"

// A screen picker the test drives: it counts the starts and ends a pick as it is told.
class FakeScreenPicker final : public platform::ScreenPicker
{
public:
    bool isAvailable() const override { return true; }
    void start() override
    {
        ++starts;
        active = true;
    }
    bool isActive() const override { return active; }

    void hover(QRgb color) { emit hovered(color); }
    void pick(QRgb color)
    {
        active = false;
        emit picked(color);
    }
    void cancel()
    {
        active = false;
        emit cancelled();
    }
    void fail(const QString &reason)
    {
        active = false;
        emit failed(reason);
    }

    int starts = 0;
    bool active = false;
};
