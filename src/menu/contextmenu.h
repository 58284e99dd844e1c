// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The main window's menu of actions beyond its controls, opened by a right click (or the menu key)
// anywhere in the window that does not open a menu of its own. Each action's shortcut works in the whole
// window, wherever the focus is.
class ContextMenu : public QObject
{
    Q_OBJECT

public:
    explicit ContextMenu(QWidget &window);

    // An entry with its shortcuts, the first shown beside it; the entry's accessible name is its text.
    QAction *add(const QString &text, const QList<QKeySequence> &keys = {});
    void addSeparator();
    QMenu &menu() { return *m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    QMenu *m_menu;
};
