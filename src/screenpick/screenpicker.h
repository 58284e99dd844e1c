// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QString>

#include <memory>

namespace platform {

// Taking one colour, or an area, from anywhere on the screen. A pick runs until the user chooses a point
// (or an area) or gives up; it always ends with exactly one of picked (areaPicked), cancelled or failed,
// never inside start().
class ScreenPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts a pick. While one runs, the pointer grab carries on with it, and the desktop portal gives up
    // the request it is still waiting for (the portal may have lost it) and asks anew.
    virtual void start() = 0;
    // Starts a pick of an area: the user drags a rectangle (or presses Enter at two corners). Where the
    // program cannot see the screen, the pick fails with screenPickUnavailableText().
    virtual void startArea();
    // Whether a pick is running.
    virtual bool isActive() const = 0;
    // The colour picked, and hovered, is the mean of the square of size pixels around the pointer (1, 3
    // or 5), where the program can see the screen.
    virtual void setSampleSize(int size) { Q_UNUSED(size); }
    // Ends a running pick as if the user had given up, with cancelled before this returns; nothing when
    // none runs.
    virtual void cancel() = 0;
    // The screen's pixels in a rectangle of device pixels of the desktop, exact to 8 bits a channel
    // (deeper screens rounded to the nearest level), transparent where no screen shows anything; a null
    // image where this picker cannot see the screen.
    virtual QImage screenArea(const QRect &device) const
    {
        Q_UNUSED(device);
        return {};
    }

signals:
    // The device pixel of the desktop the pointer is on, where the program can see the screen: at each
    // movement and a few times a second while it rests (what is below may change). It comes before the
    // pixel is read for hovered, so that a window following the pointer can move out of the way first.
    void pointerAt(const QPoint &device);
    // The colour under the pointer while the pick runs, where the desktop lets the program see it.
    void hovered(QRgb color);
    // The mouse wheel turned while picking: positive steps away from the user.
    void wheelTurned(int steps);
    // The colour the user chose, exact to 24 bits (alpha always 255).
    void picked(QRgb color);
    // The keys 1, 3 and 5 while picking a colour: the side of the square whose mean to take.
    void sampleSizeChosen(int size);
    // The first corner of an area, and the area the user chose, in device pixels of the desktop, both
    // corners inside.
    void areaStarted(const QPoint &device);
    void areaPicked(const QRect &device);
    // The user gave up (Esc, right button, the desktop's own cancel), or cancel() was called.
    void cancelled();
    // The pick could not run; reason is a sentence fit to show the user.
    void failed(const QString &reason);
};

// The one sentence shown when no way of picking works here, or the desktop does not answer.
QString screenPickUnavailableText();

// The picker this desktop supports: a pointer grab under X11 and Windows, the desktop portal under
// Wayland (with the pointer grab when XWayland runs and no portal is there), and otherwise one that
// fails every pick with the sentence above. Making it asks nothing of the window system.
std::unique_ptr<ScreenPicker> createScreenPicker();

// The pointer-grab picker: a cross cursor, the colour under it reported as it moves; a left click, Enter
// or Space picks, Esc or a right click cancels, the arrow keys move the pointer one device pixel (ten with
// Shift).
std::unique_ptr<ScreenPicker> createGrabScreenPicker();
// A picker that cannot pick: each start fails with reason.
std::unique_ptr<ScreenPicker> createUnavailableScreenPicker(const QString &reason);

} // namespace platform
