// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Makes a secondary window go and come with the main window, as when the main window shows the catalogue
// or quits: a window shown when the main window hides is hidden, and brought back by its owner's own
// routine (which may place it anew) when the main window shows again.
class GoesWithWindow : public QObject
{
public:
    // window gives the secondary window while it is one that goes and comes (nothing otherwise).
    GoesWithWindow(QWidget &mainWindow, std::function<QWidget *()> window, std::function<void()> bringBack);

    // The secondary window is to be shown while the main window is hidden: it comes when the main window
    // next shows.
    void comeWithWindow() { m_comesBack = true; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_mainWindow;
    std::function<QWidget *()> m_window;
    std::function<void()> m_bringBack;
    bool m_comesBack = false;
};
