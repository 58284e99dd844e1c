// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "platform/services.h"

#include <array>

class QAction;
class QWidget;

// Commands that change the pair as a whole: swapping its colours, moving the edited colour to the nearest
// one that reaches a contrast ratio, and undoing and redoing.
class PairCommands
{
public:
    PairCommands(ColorPair &pair, const Services &services, QWidget &window);

    // Background and foreground trade places, each with its base channel.
    void swap();
    // The edited colour becomes the nearest one (in OKLab) with at least threshold against the other; when
    // no colour reaches it, a box says so.
    void moveToNearestPassing(double threshold);
    void undo() { m_pair.undo(); }
    void redo() { m_pair.redo(); }

    // "Nearest color with 3:1", 4.5:1 and 7:1 (Ctrl+3, Ctrl+4, Ctrl+7).
    const std::array<QAction *, 3> &nearestActions() const { return m_nearestActions; }
    // "Swap colors" (Ctrl+Shift+X).
    QAction *swapAction() const { return m_swapAction; }
    // "Undo" (Ctrl+Z) and "Redo" (Ctrl+Shift+Z, Ctrl+Y), each enabled while it has a step to go.
    QAction *undoAction() const { return m_undoAction; }
    QAction *redoAction() const { return m_redoAction; }

private:
    ColorPair &m_pair;
    Services m_services;
    QWidget &m_window;
    std::array<QAction *, 3> m_nearestActions{};
    QAction *m_swapAction;
    QAction *m_undoAction;
    QAction *m_redoAction;
};
