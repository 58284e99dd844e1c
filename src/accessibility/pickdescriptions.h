// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"

#include <QObject>

#include <array>

class QWidget;

// Keeps what assistive technology reads of the large picture and the small ones in step with the pair: the
// large picture's name tells its base channel and value and its axes, its description the colour picked
// (with its contrast while the contrast panel is open), and the small picture of the current base level is
// the checked one. The picture that has the focus during a pick is what a screen reader speaks, so its
// description changes once per pick.
class PickDescriptions : public QObject
{
    Q_OBJECT

public:
    PickDescriptions(ColorPair &pair, QWidget &plane, const std::array<QWidget *, 16> &swatches);

    void setContrastShown(bool shown);

private:
    void update();

    ColorPair &m_pair;
    QWidget &m_plane;
    std::array<QWidget *, 16> m_swatches;
    bool m_contrastShown = false;
};
