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

    // An action made with its window as parent, with its shortcuts; the first is shown beside it.
    static QAction *newAction(QWidget &window, const QString &text, const QList<QKeySequence> &keys = {});
    // The action as an entry, its shortcuts working in the whole window (a submenu's action only opens its
    // menu); the entry's accessible name is its text.
    void add(QAction *action);
    void addSeparator();
    QMenu &menu() { return *m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    QMenu *m_menu;
};
