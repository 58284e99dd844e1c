// SPDX-License-Identifier: MIT
#include "model/pairhistory.h"

PairHistory::PairHistory(std::size_t capacity) : m_capacity(capacity > 0 ? capacity : 1) {}

void PairHistory::record(const PairState &before, const PairState &after)
{
    if (before == after)
        return;
    push(m_undo, before);
    m_redo.clear();
}

std::optional<PairState> PairHistory::undo(const PairState &current)
{
    if (m_undo.empty())
        return std::nullopt;
    const PairState restored = m_undo.back();
    m_undo.pop_back();
    push(m_redo, current);
    return restored;
}

std::optional<PairState> PairHistory::redo(const PairState &current)
{
    if (m_redo.empty())
        return std::nullopt;
    const PairState restored = m_redo.back();
    m_redo.pop_back();
    push(m_undo, current);
    return restored;
}

void PairHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

void PairHistory::push(std::deque<PairState> &stack, const PairState &state)
{
    stack.push_back(state);
    if (stack.size() > m_capacity)
        stack.pop_front();
}
