// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"
#include "platform/services.h"

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

private:
    ColorPair &m_pair;
    Services m_services;
    QWidget &m_window;
};
