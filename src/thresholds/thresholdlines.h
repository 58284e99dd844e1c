// SPDX-License-Identifier: MIT
#pragma once

#include "model/colorpair.h"

#include <QObject>
#include <QRgb>

#include <array>

class OverlayLayer;
class QAction;
class QWidget;

// Lines over the large picture and the sixteen small ones where the edited colour's plane crosses the
// ratios 3, 4.5 and 7 against the other colour. They lie on layers above the pictures, which keep their
// own images, so picks still read exact colours.
class ThresholdLines : public QObject
{
    Q_OBJECT

public:
    ThresholdLines(ColorPair &pair, const std::array<QWidget *, 16> &swatches, QWidget &plane);

    // "Show thresholds" (Ctrl+L), checked while the lines are shown.
    QAction *shownAction() const { return m_shownAction; }

    bool isShown() const;
    void setShown(bool shown);

signals:
    void shownChanged(bool shown);

private:
    void show(bool shown);
    void update();

    ColorPair &m_pair;
    std::array<QWidget *, 16> m_swatches;
    QWidget &m_plane;
    QAction *m_shownAction;
    // The 16 swatches' lines, then the plane's; made when first shown.
    std::array<OverlayLayer *, 17> m_overlays{};
    // What the lines were last drawn for.
    struct Key
    {
        int channel = -1;
        int base = 0;
        QRgb other = 0;
        friend bool operator==(const Key &, const Key &) = default;
    };
    Key m_drawnFor;
};
