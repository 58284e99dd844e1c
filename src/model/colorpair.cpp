// SPDX-License-Identifier: MIT
#include "model/colorpair.h"

#include <utility>

namespace {

constexpr QRgb kOpaque = 0xFF000000u;

PairState normalized(PairState state)
{
    for (PairColor &c : state.colors) {
        c.rgb |= kOpaque;
        c.baseChannel = baseChannelOf(c.baseChannel);
    }
    state.edited = state.edited == 0 ? 0 : 1;
    return state;
}

ColorPair::Changes difference(const PairState &a, const PairState &b)
{
    ColorPair::Changes what;
    for (int which = 0; which < 2; ++which) {
        if (a.colors[which].rgb != b.colors[which].rgb)
            what |= ColorPair::colorChange(which);
        if (a.colors[which].baseChannel != b.colors[which].baseChannel)
            what |= ColorPair::BaseChannel;
    }
    if (a.edited != b.edited)
        what |= ColorPair::Edited;
    return what;
}

} // namespace

ColorPair::ColorPair(QObject *parent) : QObject(parent)
{
    m_state.colors[1].rgb = 0xFFFFFFFFu;
}

void ColorPair::setState(const PairState &state)
{
    const PairState next = normalized(state);
    const Changes what = difference(m_state, next);
    if (!what)
        return;
    const Step step(*this);
    m_state = next;
    m_pending |= what;
}

void ColorPair::setColor(int which, QRgb rgb)
{
    PairState next = m_state;
    next.colors[which & 1].rgb = rgb;
    setState(next);
}

void ColorPair::setPreview(std::optional<QRgb> rgb, PreviewOrigin origin)
{
    m_previewOrigin = origin;
    if (rgb)
        *rgb |= kOpaque;
    if (rgb == m_preview)
        return;
    const Step step(*this, Step::Undo::NotRecorded);
    m_preview = rgb;
    m_pending |= Preview;
}

QRgb ColorPair::shownColor(int which) const
{
    return which == edited() && m_preview ? *m_preview : color(which);
}

void ColorPair::undo()
{
    if (m_depth == 0)
        replay(m_history.undo(m_state));
}

void ColorPair::redo()
{
    if (m_depth == 0)
        replay(m_history.redo(m_state));
}

void ColorPair::replay(const std::optional<PairState> &state)
{
    if (!state)
        return;
    {
        const Step step(*this, Step::Undo::NotRecorded);
        m_pending |= difference(m_state, *state);
        m_state = *state;
    }
    emit historyChanged();
}

void ColorPair::clearHistory()
{
    m_history.clear();
    emit historyChanged();
}

ColorPair::Step::Step(ColorPair &pair, Undo undo) : m_pair(pair)
{
    if (m_pair.m_depth++ == 0) {
        m_pair.m_stepStart = m_pair.m_state;
        m_pair.m_recording = undo == Undo::Recorded;
    }
}

ColorPair::Step::~Step()
{
    if (m_pair.m_depth > 1) {
        --m_pair.m_depth;
        return;
    }
    // Still inside the step while the listeners hear of it, so that what they change in turn joins it.
    while (m_pair.m_pending) {
        const Changes what = std::exchange(m_pair.m_pending, {});
        emit m_pair.changed(what);
    }
    m_pair.m_depth = 0;
    if (m_pair.m_recording && m_pair.m_state != m_pair.m_stepStart) {
        m_pair.m_history.record(m_pair.m_stepStart, m_pair.m_state);
        emit m_pair.historyChanged();
    }
}
