// SPDX-License-Identifier: MIT
#include "contrastpanel/panelplacement.h"

#include <algorithm>

namespace {

// The top-left corner that keeps a rectangle of size inside area, as near to wanted as can be; the top
// and left win where it is larger than the area.
QPoint keptInside(QPoint wanted, QSize size, const QRect &area)
{
    const int x = std::max(area.left(), std::min(wanted.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(wanted.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

} // namespace

PanelPlacement placeContrastPanel(const QRect &frame, const QMargins &margins, const QRect &available,
                                  QSize designed, QSize panel)
{
    const QSize chrome(margins.left() + margins.right(), margins.top() + margins.bottom());
    PanelPlacement placement;
    const QSize grown = QSize(designed.width(), designed.height() + panel.height()) + chrome;
    if (grown.height() <= available.height()) {
        placement.windowFrame = keptInside(frame.topLeft(), grown, available);
        return placement;
    }
    placement.separate = true;
    const QSize outer = panel + chrome;
    placement.panelFrame =
        QRect(keptInside(QPoint(frame.left(), frame.bottom() + 1), outer, available), outer);
    return placement;
}
