// SPDX-License-Identifier: MIT
#include "app/formbinding.h"

#include "app/frmmain.h"
#include "color/colors.h"

FormBinding::FormBinding(frmMain &form, ColorPair &pair)
    : m_form(form), m_pair(pair), m_published(pair.state())
{
    connect(&m_pair, &ColorPair::changed, this, &FormBinding::follow);
}

PairState FormBinding::stateOf(const ColorParamsArray &params, int edited)
{
    PairState state;
    for (int which = 0; which < 2; ++which) {
        const ColorRow &row = params[which];
        state.colors[which] = {Colors::toQRgb(Colors::RGB(row[1], row[2], row[3])), baseChannelOf(row[0])};
    }
    state.edited = edited;
    return state;
}

ColorParamsArray FormBinding::paramsOf(const PairState &state)
{
    ColorParamsArray params{};
    for (int which = 0; which < 2; ++which) {
        const PairColor &c = state.colors[which];
        params[which] = {qint16(c.baseChannel), qint16(qRed(c.rgb)), qint16(qGreen(c.rgb)),
                         qint16(qBlue(c.rgb))};
    }
    return params;
}

void FormBinding::publish(const ColorParamsArray &params, int edited)
{
    m_pair.setState(stateOf(params, edited));
    m_published = m_pair.state();
}

void FormBinding::loadUnrecorded(const std::function<void()> &load)
{
    const ColorPair::Step loading(m_pair, ColorPair::Step::Undo::NotRecorded);
    load();
}

QRgb FormBinding::sampleColor(int which) const
{
    return m_pair.previewOrigin() == ColorPair::PreviewOrigin::Screen ? m_pair.shownColor(which)
                                                                      : m_pair.color(which);
}

void FormBinding::follow(ColorPair::Changes what)
{
    if (what.testFlag(ColorPair::Preview))
        m_form.DrawSample();
    const PairState &state = m_pair.state();
    if (state == m_published)
        return;
    m_form.ColorParams = paramsOf(state);
    if (state.edited != m_form.editedColor()) {
        m_form.selectWithoutHandler(state.edited == 0 ? m_form.optBackground : m_form.optForeground);
        m_form.showEditedColorCaptions(state.edited);
    }
    m_form.LoadColor(state.edited);
}
