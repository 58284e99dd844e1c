// SPDX-License-Identifier: MIT
#include "thresholds/thresholdlines.h"

#include "color/planeaxes.h"
#include "menu/contextmenu.h"
#include "thresholds/thresholdimages.h"
#include "widgets/overlaylayer.h"

#include <QAction>
#include <QWidget>

ThresholdLines::ThresholdLines(ColorPair &pair, const std::array<QWidget *, 16> &swatches, QWidget &plane)
    : m_pair(pair), m_swatches(swatches), m_plane(plane),
      m_shownAction(ContextMenu::newAction(*plane.window(), QStringLiteral("Show thresholds"),
                                           {QKeySequence(Qt::CTRL | Qt::Key_L)}))
{
    // The action holds whether the lines are shown, as a toggle action does.
    m_shownAction->setCheckable(true);
    connect(m_shownAction, &QAction::toggled, this, &ThresholdLines::show);
    connect(&m_pair, &ColorPair::changed, this, &ThresholdLines::update);
}

bool ThresholdLines::isShown() const
{
    return m_shownAction->isChecked();
}

void ThresholdLines::setShown(bool shown)
{
    m_shownAction->setChecked(shown);
}

void ThresholdLines::show(bool shown)
{
    if (shown && !m_overlays[0]) {
        for (int i = 0; i < 16; ++i)
            m_overlays[i] = new OverlayLayer(m_swatches[i]);
        m_overlays[16] = new OverlayLayer(&m_plane);
    }
    for (OverlayLayer *overlay : m_overlays) {
        if (overlay)
            overlay->setVisible(shown);
    }
    m_drawnFor = {};
    update();
    emit shownChanged(shown);
}

void ThresholdLines::update()
{
    if (!isShown())
        return;
    const int channel = m_pair.baseChannel(m_pair.edited());
    const QRgb edited = m_pair.editedColor();
    const int base = channelValue(edited, channel);
    const Key key{channel, base, m_pair.otherColor()};
    if (key == m_drawnFor)
        return;
    m_drawnFor = key;
    // The edited colour's plane and swatches against the colour it must be read with.
    for (int i = 0; i < 16; ++i)
        m_overlays[i]->setImage(thresholds::swatchOverlay(channel, i, key.other));
    m_overlays[16]->setImage(thresholds::planeOverlay(channel, base, key.other));
}
