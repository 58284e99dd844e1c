// SPDX-License-Identifier: MIT
#include "viewer/viewerplacement.h"

#include "platform/nativewindow.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

const QString kCorrectionName = QStringLiteral("frameCorrection");

QMarginsF marginsOf(const QWidget &window)
{
    if (const std::optional<QMarginsF> exact = platform::exactFrameMargins(window))
        return *exact;
    return window.windowHandle() ? QMarginsF(window.windowHandle()->frameMargins()) : QMarginsF();
}

QRectF frameOf(const QWidget &window)
{
    if (const std::optional<QRectF> inside = platform::exactGeometry(window))
        return inside->marginsAdded(marginsOf(window));
    return QRectF(window.frameGeometry());
}

// The inside of a window in whole logical pixels, the nearest to the exact one.
QRect insideOf(const QWidget &window, const QRectF &frame, const QMarginsF &margins)
{
    const QRectF inside =
        frame.size().isEmpty()
            ? QRectF(frame.topLeft() + QPointF(margins.left(), margins.top()), window.size())
            : frame.marginsRemoved(margins);
    return QRect(qRound(inside.x()), qRound(inside.y()), qRound(inside.width()), qRound(inside.height()));
}

// Waits for the window's first exposure after placing, when the window manager has framed it, and then
// places the inside of the window again for the frame it really got. Runs once, so that it never undoes
// what the user does later.
class FrameCorrection : public QObject
{
public:
    FrameCorrection(QWidget &window, const QRectF &frame) : QObject(&window), m_window(window), m_frame(frame)
    {
        setObjectName(kCorrectionName);
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window.windowHandle()->isExposed()) {
            const QMarginsF margins = marginsOf(m_window);
            if (!margins.isNull()) {
                const QRect inside = insideOf(m_window, m_frame, margins);
                if (inside != m_window.geometry())
                    m_window.setGeometry(inside);
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget &m_window;
    QRectF m_frame;
};

} // namespace

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

    const QRectF mainFrame = frameOf(mainWindow);
    const QMarginsF mainMargins = marginsOf(mainWindow);
    const QMarginsF margins = viewer.isVisible() ? marginsOf(viewer) : mainMargins;
    QList<QRectF> inFrame;
    for (const QRectF &picture : pictures)
        inFrame << picture.translated(mainMargins.left(), mainMargins.top());
    const ViewerPlacement place =
        placeBeside(mainFrame, screenArea, viewer.minimumWidth() + margins.left() + margins.right(), inFrame);
    if (place.mainLeft != mainFrame.left())
        mainWindow.move(qRound(place.mainLeft), mainWindow.frameGeometry().top());
    placeFrame(viewer, place.viewer, mainWindow);
}

void placeFrame(QWidget &window, const QRectF &frame, const QWidget &model)
{
    // Qt's move() takes the outer corner only once the frame is known; the inside is always certain.
    window.winId();
    delete window.findChild<QObject *>(kCorrectionName, Qt::FindDirectChildrenOnly);
    const bool onScreen = window.isVisible() && window.windowHandle()->isExposed();
    const QMarginsF own = marginsOf(window);
    window.setGeometry(insideOf(window, frame, own.isNull() ? marginsOf(model) : own));
    if (!onScreen)
        new FrameCorrection(window, frame);
}
