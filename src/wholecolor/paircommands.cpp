// SPDX-License-Identifier: MIT
#include "wholecolor/paircommands.h"

#include "contrast/nearest.h"
#include "platform/messageboxes.h"

#include <utility>

PairCommands::PairCommands(ColorPair &pair, const Services &services, QWidget &window)
    : m_pair(pair), m_services(services), m_window(window)
{
}

void PairCommands::swap()
{
    PairState state = m_pair.state();
    std::swap(state.colors[0], state.colors[1]);
    m_pair.setState(state);
}

void PairCommands::moveToNearestPassing(double threshold)
{
    const std::optional<QRgb> nearest =
        contrast::nearestPassing(m_pair.editedColor(), m_pair.otherColor(), threshold);
    if (!nearest) {
        m_services.messages->show(&m_window,
                                  QStringLiteral("No color reaches %1:1 against this color.").arg(threshold),
                                  QStringLiteral("Contrast"), platform::MessageIcon::Information);
        return;
    }
    m_pair.setEditedColor(*nearest);
}
