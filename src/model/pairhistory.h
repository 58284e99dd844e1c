// SPDX-License-Identifier: MIT
#pragma once

#include "model/pairstate.h"

#include <cstddef>
#include <deque>
#include <optional>

// Undo and redo of the pair as two stacks of states; the oldest steps are dropped beyond the capacity.
class PairHistory
{
public:
    static constexpr std::size_t kDefaultCapacity = 100;

    explicit PairHistory(std::size_t capacity = kDefaultCapacity);

    // Records a change from before to after; a new change forgets what could be redone. A change that
    // leaves the state as it was records nothing.
    void record(const PairState &before, const PairState &after);
    // The state to restore for one step back, given the state now; nothing when there is no step.
    std::optional<PairState> undo(const PairState &current);
    // The state to restore for one step forward again; nothing when nothing was undone since the last change.
    std::optional<PairState> redo(const PairState &current);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void clear();

private:
    void push(std::deque<PairState> &stack, const PairState &state);

    std::size_t m_capacity;
    std::deque<PairState> m_undo;
    std::deque<PairState> m_redo;
};
