// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "platform/services.h"
#include "screenpick/loupeplacement.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

class AreaOutline;
class Loupe;
class QAction;
class QWidget;
namespace platform {
class ScreenPicker;
}

// Taking the edited colour from anywhere on the screen: while the user points, the colour under the pointer
// is the pair's preview and, where the program can see the screen, a loupe beside the pointer shows the
// pixels around it (the wheel changes its magnification, kept from pick to pick while the program runs);
// the colour chosen becomes the edited colour (its base channel stays); a pick that cannot run is told in
// a box titled "Pick from screen". The keys 1, 3 and 5 take one pixel or the mean of the square of 3 or 5
// around it, kept from pick to pick too. A pick of an area works the same way, with the area outlined as
// it is dragged, and hands on the area's pixels. A pick ends as if cancelled the moment a modal window of
// ours opens, the window closes or hides, or the program ends, so that no grab outlives it and nothing
// changes after the save on quitting.
class ScreenPick : public QObject
{
    Q_OBJECT

public:
    // Uses the services' picker, or makes the one this desktop supports on first use.
    ScreenPick(ColorPair &pair, const Services &services, QWidget &window);
    ~ScreenPick() override;

    void start();
    // A pick of an area, which ends with areaTaken when it is not cancelled.
    void startArea();
    // "Pick from screen" (Ctrl+E).
    QAction *startAction() const { return m_startAction; }
    // Ends a running pick as cancelled; nothing when none runs.
    void cancel();

signals:
    // The screen's pixels in the area picked, in device pixels of the desktop, transparent where no screen
    // shows anything.
    void areaTaken(const QImage &pixels, const QRect &device);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    platform::ScreenPicker &picker();
    void begin(bool area);
    void showLoupeAt(const QPoint &device);
    void onPicked(QRgb color);
    void onAreaPicked(const QRect &device);
    void takeArea(const QRect &device);
    void take(QRgb color);
    void end();
    void failed(const QString &reason);

    ColorPair &m_pair;
    Services m_services;
    QWidget &m_window;
    QAction *m_startAction;
    std::unique_ptr<platform::ScreenPicker> m_ownPicker;
    platform::ScreenPicker *m_picker = nullptr;
    std::unique_ptr<Loupe> m_loupe;         // made on first use
    std::unique_ptr<AreaOutline> m_outline; // made on first use
    int m_level = loupe::kDefaultLevel;
    int m_sampleSize = 1;
    bool m_picking = false;
    bool m_area = false;
    std::optional<QPoint> m_pointer; // device pixel, as last reported
    std::optional<QPoint> m_anchor;  // of an area, once its first corner is chosen
};
