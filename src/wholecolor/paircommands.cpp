// SPDX-License-Identifier: MIT
#include "wholecolor/paircommands.h"

#include "contrast/nearest.h"
#include "menu/contextmenu.h"
#include "platform/messageboxes.h"

#include <QAction>

#include <utility>

PairCommands::PairCommands(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_window(window),
      m_swapAction(ContextMenu::newAction(window, QStringLiteral("Swap colors"),
                                          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)})),
      m_undoAction(
          ContextMenu::newAction(window, QStringLiteral("Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)})),
      m_redoAction(ContextMenu::newAction(
          window, QStringLiteral("Redo"),
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}))
{
    const std::array<std::pair<double, Qt::Key>, 3> nearest{
        {{3.0, Qt::Key_3}, {4.5, Qt::Key_4}, {7.0, Qt::Key_7}}};
    for (std::size_t i = 0; i < nearest.size(); ++i) {
        const auto [threshold, key] = nearest[i];
        m_nearestActions[i] = ContextMenu::newAction(
            window, QStringLiteral("Nearest color with %1:1").arg(threshold), {QKeySequence(Qt::CTRL | key)});
        QObject::connect(m_nearestActions[i], &QAction::triggered, m_nearestActions[i],
                         [this, threshold] { moveToNearestPassing(threshold); });
    }
    QObject::connect(m_swapAction, &QAction::triggered, m_swapAction, [this] { swap(); });
    QObject::connect(m_undoAction, &QAction::triggered, m_undoAction, [this] { undo(); });
    QObject::connect(m_redoAction, &QAction::triggered, m_redoAction, [this] { redo(); });
    const auto enableHistory = [this] {
        m_undoAction->setEnabled(m_pair.canUndo());
        m_redoAction->setEnabled(m_pair.canRedo());
    };
    QObject::connect(&m_pair, &ColorPair::historyChanged, m_undoAction, enableHistory);
    enableHistory();
}

void PairCommands::swap()
{
    PairState state = m_pair.state();
    std::swap(state.colors[0], state.colors[1]);
    m_pair.setState(state);
}

void PairCommands::moveToNearestPassing(double threshold)
{
    const std::optional<QRgb> nearest =
        contrast::nearestPassing(m_pair.editedColor(), m_pair.otherColor(), threshold);
    if (!nearest) {
        m_services.messages->show(&m_window,
                                  QStringLiteral("No color reaches %1:1 against this color.").arg(threshold),
                                  QStringLiteral("Contrast"), platform::MessageIcon::Information);
        return;
    }
    m_pair.setEditedColor(*nearest);
}
