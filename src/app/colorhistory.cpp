// SPDX-License-Identifier: MIT
#include "app/colorhistory.h"

ColorHistory::ColorHistory(std::size_t capacity) : m_capacity(capacity > 0 ? capacity : 1) {}

void ColorHistory::record(const ColorSnapshot &before, const ColorSnapshot &after)
{
    if (before == after)
        return;
    push(m_undo, before);
    m_redo.clear();
}

std::optional<ColorSnapshot> ColorHistory::undo(const ColorSnapshot &current)
{
    if (m_undo.empty())
        return std::nullopt;
    const ColorSnapshot restored = m_undo.back();
    m_undo.pop_back();
    push(m_redo, current);
    return restored;
}

std::optional<ColorSnapshot> ColorHistory::redo(const ColorSnapshot &current)
{
    if (m_redo.empty())
        return std::nullopt;
    const ColorSnapshot restored = m_redo.back();
    m_redo.pop_back();
    push(m_undo, current);
    return restored;
}

void ColorHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}

void ColorHistory::push(std::deque<ColorSnapshot> &stack, const ColorSnapshot &snapshot)
{
    stack.push_back(snapshot);
    if (stack.size() > m_capacity)
        stack.pop_front();
}
