// SPDX-License-Identifier: MIT
#include "pairswindow/pairsplacement.h"

#include <QStringList>

#include <algorithm>

namespace pairsplacement {

namespace {

// frame moved into screen, and cut to it where it is larger.
QRect within(QRect frame, const QRect &screen)
{
    frame.setSize(frame.size().boundedTo(screen.size()));
    frame.moveLeft(std::clamp(frame.left(), screen.left(), screen.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), screen.top(), screen.bottom() - frame.height() + 1));
    return frame;
}

qint64 area(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

} // namespace

QString savedText(QPoint frameTopLeft, QSize inside)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(frameTopLeft.x())
        .arg(frameTopLeft.y())
        .arg(inside.width())
        .arg(inside.height());
}

std::optional<QRect> readSaved(QStringView text, QMargins frame, QSize minimum)
{
    const QList<QStringView> fields = text.split(u' ');
    if (fields.size() != 4)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = fields[i].toInt(&ok);
        // Far beyond any desktop: such a number is no place of ours.
        if (!ok || std::abs(numbers[i]) > 100000)
            return std::nullopt;
    }
    if (numbers[2] < minimum.width() || numbers[3] < minimum.height())
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2] + frame.left() + frame.right(),
                 numbers[3] + frame.top() + frame.bottom());
}

QRect place(const std::optional<QRect> &saved, QRect mainFrame, QSize size, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return saved.value_or(QRect(mainFrame.topRight() + QPoint(1, 0), size));
    const auto most = [&screens](const QRect &frame) {
        return *std::max_element(screens.begin(), screens.end(), [&frame](const QRect &a, const QRect &b) {
            return area(a & frame) < area(b & frame);
        });
    };
    if (saved && area(most(*saved) & *saved) > 0)
        return within(*saved, most(*saved));

    const QRect screen = most(mainFrame);
    const QRect right(QPoint(mainFrame.right() + 1, mainFrame.top()), size);
    const QRect left(QPoint(mainFrame.left() - size.width(), mainFrame.top()), size);
    // Beside means whole in width; the height is fitted to the screen either way.
    for (const QRect &beside : {right, left}) {
        if (const QRect fitted = within(beside, screen);
            fitted.left() == beside.left() && fitted.width() == beside.width())
            return fitted;
    }
    return within(right, screen);
}

} // namespace pairsplacement
