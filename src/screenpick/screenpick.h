// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "platform/services.h"

#include <QObject>

#include <memory>

class QWidget;
namespace platform {
class ScreenPicker;
}

// Taking the edited colour from anywhere on the screen: while the user points, the colour under the pointer
// is the pair's preview; the colour chosen becomes the edited colour (its base channel stays); a pick that
// cannot run is told in a box titled "Pick from screen".
class ScreenPick : public QObject
{
    Q_OBJECT

public:
    // Uses the services' picker, or makes the one this desktop supports on first use.
    ScreenPick(ColorPair &pair, const Services &services, QWidget &window);
    ~ScreenPick() override;

    void start();

private:
    platform::ScreenPicker &picker();
    void failed(const QString &reason);

    ColorPair &m_pair;
    Services m_services;
    QWidget &m_window;
    std::unique_ptr<platform::ScreenPicker> m_ownPicker;
    platform::ScreenPicker *m_picker = nullptr;
};
