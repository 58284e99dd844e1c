// SPDX-License-Identifier: MIT
#include "viewer/viewerplacement.h"

#include "widgets/windowframe.h"

#include <QWidget>

#include <algorithm>

ViewerPlacement placeBeside(const QRectF &mainFrame, const QRectF &screenArea, qreal minimumWidth,
                            const QList<QRectF> &pictures)
{
    const qreal right = screenArea.x() + screenArea.width();
    qreal mainLeft = mainFrame.left();
    if (mainLeft + mainFrame.width() + kViewerWidth > right)
        mainLeft = std::max(screenArea.left(), right - kViewerWidth - mainFrame.width());
    const qreal beside = mainLeft + mainFrame.width();
    const auto at = [&](qreal left, qreal width) {
        return ViewerPlacement{mainLeft, QRectF(left, mainFrame.top(), width, mainFrame.height())};
    };
    if (beside + kViewerWidth <= right)
        return at(beside, kViewerWidth);
    if (right - beside >= minimumWidth)
        return at(beside, right - beside);
    // Too narrow for both: at its own width or its narrowest, the place that hides the least of the first
    // picture, then of the others; of equally good places the widest and then the rightmost.
    const auto hidden = [&](const QRectF &viewer, qsizetype from, qsizetype to) {
        qreal area = 0;
        for (qsizetype i = from; i < to; ++i) {
            const QRectF covered = viewer & pictures[i].translated(mainLeft, mainFrame.top());
            area += covered.width() * covered.height();
        }
        return area;
    };
    const qsizetype first = std::min<qsizetype>(1, pictures.size());
    ViewerPlacement best = at(right - kViewerWidth, kViewerWidth);
    std::pair<qreal, qreal> leastHidden{hidden(best.viewer, 0, first),
                                        hidden(best.viewer, first, pictures.size())};
    for (const qreal width : {qreal(kViewerWidth), std::min(minimumWidth, qreal(kViewerWidth))}) {
        for (qreal left = right - width; left >= screenArea.left(); --left) {
            const ViewerPlacement place = at(left, width);
            const std::pair<qreal, qreal> h{hidden(place.viewer, 0, first),
                                            hidden(place.viewer, first, pictures.size())};
            if (h < leastHidden) {
                leastHidden = h;
                best = place;
            }
        }
    }
    return best;
}

void placeViewerBeside(QWidget &mainWindow, QWidget &viewer, const QRect &screenArea,
                       const QList<QRectF> &pictures)
{
    if (viewer.isMinimized())
        viewer.setWindowState(viewer.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (viewer.isMaximized())
        return;

    const QRectF mainFrame = windowframe::exactFrame(mainWindow);
    const QMarginsF mainMargins = windowframe::exactMargins(mainWindow);
    const QMarginsF margins = viewer.isVisible() ? windowframe::exactMargins(viewer) : mainMargins;
    QList<QRectF> inFrame;
    for (const QRectF &picture : pictures)
        inFrame << picture.translated(mainMargins.left(), mainMargins.top());
    const ViewerPlacement place =
        placeBeside(mainFrame, screenArea, viewer.minimumWidth() + margins.left() + margins.right(), inFrame);
    if (place.mainLeft != mainFrame.left())
        mainWindow.move(qRound(place.mainLeft), mainWindow.frameGeometry().top());
    windowframe::placeFrame(viewer, place.viewer, mainWindow);
}
