// SPDX-License-Identifier: MIT
#include "accessibility/pickdescriptions.h"

#include "accessibility/accessibility.h"
#include "accessibility/picktexts.h"
#include "color/planeaxes.h"

#include <QWidget>

PickDescriptions::PickDescriptions(ColorPair &pair, QWidget &plane, const std::array<QWidget *, 16> &swatches)
    : m_pair(pair), m_plane(plane), m_swatches(swatches)
{
    for (QWidget *swatch : m_swatches)
        accessibility::setButton(*swatch);
    connect(&m_pair, &ColorPair::changed, this, &PickDescriptions::update);
    update();
}

void PickDescriptions::setContrastShown(bool shown)
{
    m_contrastShown = shown;
    update();
}

void PickDescriptions::update()
{
    const int channel = m_pair.baseChannel(m_pair.edited());
    const QRgb picked = m_pair.editedColor();
    const int base = channelValue(picked, channel);

    // Qt tells of every setting, changed or not; a pick that changes nothing says nothing.
    const QString name = accessibility::planeName(channel, base);
    if (m_plane.accessibleName() != name)
        m_plane.setAccessibleName(name);
    QString description = accessibility::pickedText(picked);
    if (m_contrastShown)
        description +=
            QStringLiteral("; ") + accessibility::contrastText(m_pair.background(), m_pair.foreground());
    if (m_plane.accessibleDescription() != description)
        m_plane.setAccessibleDescription(description);

    // Each small picture stands for the sixteen base values around its own level.
    for (int i = 0; i < 16; ++i)
        accessibility::setChecked(*m_swatches[i], i == base / 16);
}
