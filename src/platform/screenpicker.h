// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QRgb>
#include <QString>

#include <memory>

namespace platform {

// Taking one colour from anywhere on the screen. A pick runs until the user chooses a point or gives up;
// it always ends with exactly one of picked, cancelled or failed, and never inside start().
class ScreenPicker : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether this desktop lets the program try a pick at all.
    virtual bool isAvailable() const = 0;
    // Starts a pick; does nothing while one is running.
    virtual void start() = 0;
    // Whether a pick is running.
    virtual bool isActive() const = 0;

signals:
    // The colour under the pointer while the pick runs, where the desktop lets the program see it.
    void hovered(QRgb color);
    // The colour the user chose, exact to 24 bits (alpha always 255).
    void picked(QRgb color);
    // The user gave up (Esc, right button, or the desktop's own cancel).
    void cancelled();
    // The pick could not run; reason is a sentence fit to show the user.
    void failed(const QString &reason);
};

// The one sentence shown when no way of picking works here.
QString screenPickUnavailableText();

// The picker this desktop supports: a pointer grab under X11 and Windows, the desktop portal under
// Wayland, and otherwise one that is not available and fails every pick with the sentence above.
std::unique_ptr<ScreenPicker> createScreenPicker();

// The pointer-grab picker: a cross cursor, the colour under it reported as it moves, left click picks,
// Esc or right click cancels.
std::unique_ptr<ScreenPicker> createGrabScreenPicker();
// A picker that cannot pick: not available, and each start fails with reason.
std::unique_ptr<ScreenPicker> createUnavailableScreenPicker(const QString &reason);

} // namespace platform
