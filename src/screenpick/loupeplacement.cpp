// SPDX-License-Identifier: MIT
#include "screenpick/loupeplacement.h"

#include <algorithm>

namespace loupe {

int levelAfter(int level, int steps)
{
    return std::clamp(level + steps, 0, int(kLevels.size()) - 1);
}

namespace {

// The first coordinate of a length along one axis, from the pointer's coordinate at and the screen's first
// and last coordinates.
int along(int at, int length, int offset, int first, int last)
{
    const int after = at + offset;
    const int before = at - offset - length + 1;
    if (after + length - 1 <= last)
        return after;
    if (before >= first)
        return before;
    return last - at >= at - first ? after : before;
}

} // namespace

QRect placement(const QPoint &pointer, const QSize &size, int reach, const QRect &screen)
{
    const int offset = reach + kGap + 1;
    return QRect(QPoint(along(pointer.x(), size.width(), offset, screen.left(), screen.right()),
                        along(pointer.y(), size.height(), offset, screen.top(), screen.bottom())),
                 size);
}

} // namespace loupe
