// SPDX-License-Identifier: MIT
// The context menu and the keyboard shortcuts of the contrast and whole-colour actions.
#include "app/frmmain.h"

#include "contrast/contrastpanel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

QAction *frmMain::addMenuAction(const QString &text, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutVisibleInContextMenu(true);
    addAction(action);
    m_menu->addAction(action);
    return action;
}

void frmMain::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuContext"));
    actContrastPanel = addMenuAction(QStringLiteral("Contrast panel"), {QKeySequence(Qt::CTRL | Qt::Key_K)});
    actContrastPanel->setCheckable(true);
    connect(actContrastPanel, &QAction::triggered, this, &frmMain::setContrastPanelOpen);
    actThresholds = addMenuAction(QStringLiteral("Show thresholds"), {QKeySequence(Qt::CTRL | Qt::Key_L)});
    actThresholds->setCheckable(true);
    connect(actThresholds, &QAction::triggered, this, &frmMain::setThresholdsShown);
    const std::array<std::pair<double, Qt::Key>, 3> nearest{
        {{3.0, Qt::Key_3}, {4.5, Qt::Key_4}, {7.0, Qt::Key_7}}};
    for (const auto &[threshold, key] : nearest) {
        QAction *action = addMenuAction(QStringLiteral("Nearest color with %1:1").arg(threshold),
                                        {QKeySequence(Qt::CTRL | key)});
        connect(action, &QAction::triggered, this, [this, threshold] { moveToNearestPassing(threshold); });
    }
    connect(addMenuAction(QStringLiteral("Copy contrast"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}),
            &QAction::triggered, this, &frmMain::copyContrast);
    m_menu->addSeparator();
    connect(addMenuAction(QStringLiteral("Paste color"), {QKeySequence(Qt::CTRL | Qt::Key_V)}),
            &QAction::triggered, this, &frmMain::pasteColor);
    connect(addMenuAction(QStringLiteral("Pick from screen"), {QKeySequence(Qt::CTRL | Qt::Key_E)}),
            &QAction::triggered, this, &frmMain::pickFromScreen);
    connect(addMenuAction(QStringLiteral("Swap colors"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)}),
            &QAction::triggered, this, &frmMain::swapColors);
    m_menu->addSeparator();
    connect(addMenuAction(QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}), &QAction::triggered,
            this, &frmMain::undoColors);
    connect(addMenuAction(QStringLiteral("Redo"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                                   QKeySequence(Qt::CTRL | Qt::Key_Y)}),
            &QAction::triggered, this, &frmMain::redoColors);
}

void frmMain::contextMenuEvent(QContextMenuEvent *event)
{
    m_menu->popup(event->globalPos());
}
