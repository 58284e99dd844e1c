// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

// Undo and redo as two stacks of whole states (of the pair, of a list of pairs); the oldest steps are
// dropped beyond the capacity.
template <typename State> class UndoHistory
{
public:
    static constexpr std::size_t kDefaultCapacity = 100;

    explicit UndoHistory(std::size_t capacity = kDefaultCapacity) : m_capacity(capacity > 0 ? capacity : 1) {}

    // Records a change from before to after; a new change forgets what could be redone. A change that
    // leaves the state as it was records nothing.
    void record(const State &before, const State &after)
    {
        if (before == after)
            return;
        push(m_undo, before);
        m_redo.clear();
    }
    // The state to restore for one step back, given the state now; nothing when there is no step.
    std::optional<State> undo(const State &current) { return step(m_undo, m_redo, current); }
    // The state to restore for one step forward again; nothing when nothing was undone since the last change.
    std::optional<State> redo(const State &current) { return step(m_redo, m_undo, current); }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

private:
    std::optional<State> step(std::deque<State> &from, std::deque<State> &to, const State &current)
    {
        if (from.empty())
            return std::nullopt;
        State restored = std::move(from.back());
        from.pop_back();
        push(to, current);
        return restored;
    }
    void push(std::deque<State> &stack, const State &state)
    {
        stack.push_back(state);
        if (stack.size() > m_capacity)
            stack.pop_front();
    }

    std::size_t m_capacity;
    std::deque<State> m_undo;
    std::deque<State> m_redo;
};
