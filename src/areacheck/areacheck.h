// SPDX-License-Identifier: MIT
#pragma once

#include "menu/feature.h"
#include "model/colorpair.h"
#include "platform/services.h"
#include "widgets/goeswithwindow.h"

#include <QImage>
#include <QObject>
#include <QRect>

class AreaWindow;
class QAction;
class QWidget;

// Text over an area: "Check text over an area..." (Ctrl+Shift+A) asks for an area of the screen, and the
// window "Text over an area", made on first use beside the main window and going and coming with it,
// shows the foreground's contrast against it.
class AreaCheck : public QObject, public Feature
{
    Q_OBJECT

public:
    AreaCheck(ColorPair &pair, const Services &services, QWidget &window);
    ~AreaCheck() override;

    QAction *startAction() const { return m_startAction; }
    // Shows the window for the area picked: its pixels and where they are on the desktop.
    void show(const QImage &pixels, const QRect &device);

signals:
    // An area is to be picked, from the menu, the key or the window's own button.
    void pickRequested();

private:
    AreaWindow &window();

    ColorPair &m_pair;
    Services m_services;
    QWidget &m_mainWindow;
    AreaWindow *m_window = nullptr;
    GoesWithWindow m_goesWithWindow;
    QAction *m_startAction;
};
