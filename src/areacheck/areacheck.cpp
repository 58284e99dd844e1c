// SPDX-License-Identifier: MIT
#include "areacheck/areacheck.h"

#include "areacheck/areawindow.h"
#include "menu/contextmenu.h"
#include "pairswindow/pairsplacement.h"
#include "widgets/windowframe.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

AreaCheck::AreaCheck(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_mainWindow(window),
      m_goesWithWindow(
          window, [this]() -> QWidget * { return m_window; },
          [this] {
              if (m_window)
                  m_window->show();
          }),
      m_startAction(ContextMenu::newAction(window, QStringLiteral("Check text over an area..."),
                                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)}))
{
    connect(m_startAction, &QAction::triggered, this, &AreaCheck::pickRequested);
}

AreaCheck::~AreaCheck()
{
    // The window reads the pair kept by the main window: it goes first.
    delete m_window;
}

AreaWindow &AreaCheck::window()
{
    if (!m_window) {
        m_window = new AreaWindow(m_pair, m_services, &m_mainWindow);
        connect(m_window, &AreaWindow::pickRequested, this, &AreaCheck::pickRequested);
    }
    return *m_window;
}

void AreaCheck::show(const QImage &pixels, const QRect &device)
{
    const bool first = !m_window;
    AreaWindow &w = window();
    w.setArea(pixels, device);
    if (first) {
        // Beside the main window, as the pairs window first goes, at the size its figures take.
        w.adjustSize();
        QList<QRect> screens;
        for (const QScreen *screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        const QMargins margins = windowframe::margins(m_mainWindow);
        const QRect placed = pairsplacement::place(std::nullopt, m_mainWindow.frameGeometry(),
                                                   w.size().grownBy(margins), screens);
        w.move(placed.topLeft());
    }
    w.show();
    w.activateWindow();
}
