// SPDX-License-Identifier: MIT
#include "widgets/goeswithwindow.h"

#include <QEvent>
#include <QWidget>

GoesWithWindow::GoesWithWindow(QWidget &mainWindow, std::function<QWidget *()> window,
                               std::function<void()> bringBack)
    : m_mainWindow(mainWindow), m_window(std::move(window)), m_bringBack(std::move(bringBack))
{
    m_mainWindow.installEventFilter(this);
}

bool GoesWithWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_mainWindow && event->type() == QEvent::Hide) {
        if (QWidget *window = m_window(); window && window->isVisible()) {
            m_comesBack = true;
            window->hide();
        }
    } else if (watched == &m_mainWindow && event->type() == QEvent::Show && m_comesBack) {
        m_comesBack = false;
        m_bringBack();
    }
    return QObject::eventFilter(watched, event);
}
