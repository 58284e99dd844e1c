// SPDX-License-Identifier: MIT
#include "menu/contextmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

ContextMenu::ContextMenu(QWidget &window) : m_window(window), m_menu(new QMenu(&window))
{
    m_menu->setObjectName(QStringLiteral("mnuContext"));
    m_window.installEventFilter(this);
}

QAction *ContextMenu::newAction(QWidget &window, const QString &text, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, &window);
    action->setShortcuts(keys);
    return action;
}

void ContextMenu::add(QAction *action)
{
    if (action->menu()) {
        m_menu->addMenu(action->menu());
        return;
    }
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    m_window.addAction(action);
    m_menu->addAction(action);
}

void ContextMenu::addSeparator()
{
    m_menu->addSeparator();
}

bool ContextMenu::eventFilter(QObject *watched, QEvent *event)
{
    // Controls without a menu of their own pass the request on to the window.
    if (watched == &m_window && event->type() == QEvent::ContextMenu) {
        m_menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
