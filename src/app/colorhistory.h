// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <deque>
#include <optional>

// The editing state that undo brings back: both colour rows as ColorParams holds them
// ([which][base channel, red, green, blue]) and which colour is being edited (0 background, 1 foreground).
struct ColorSnapshot
{
    std::array<std::array<qint16, 4>, 2> params{};
    int which = 0;
    friend bool operator==(const ColorSnapshot &, const ColorSnapshot &) = default;
};

// Undo and redo of colour changes as two stacks of snapshots; the oldest steps are dropped beyond the
// capacity.
class ColorHistory
{
public:
    static constexpr std::size_t kDefaultCapacity = 100;

    explicit ColorHistory(std::size_t capacity = kDefaultCapacity);

    // Records a change from before to after; a new change forgets what could be redone. A change that
    // leaves the state as it was records nothing.
    void record(const ColorSnapshot &before, const ColorSnapshot &after);
    // The state to restore for one step back, given the state now; nothing when there is no step.
    std::optional<ColorSnapshot> undo(const ColorSnapshot &current);
    // The state to restore for one step forward again; nothing when nothing was undone since the last change.
    std::optional<ColorSnapshot> redo(const ColorSnapshot &current);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void clear();

private:
    void push(std::deque<ColorSnapshot> &stack, const ColorSnapshot &snapshot);

    std::size_t m_capacity;
    std::deque<ColorSnapshot> m_undo;
    std::deque<ColorSnapshot> m_redo;
};
