// SPDX-License-Identifier: MIT
#include "viewer/viewerplacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

const QString kCorrectionName = QStringLiteral("frameCorrection");

QMargins marginsOf(const QWidget &window)
{
    return window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
}

QRect insideOf(const QWidget &window, const QRect &frame, const QMargins &margins)
{
    if (frame.size().isEmpty())
        return QRect(frame.topLeft() + QPoint(margins.left(), margins.top()), window.size());
    return frame.marginsRemoved(margins);
}

// Waits for the window's first exposure after placing, when the window manager has framed it, and then
// places the inside of the window again for the frame it really got. Runs once, so that it never undoes
// what the user does later.
class FrameCorrection : public QObject
{
public:
    FrameCorrection(QWidget &window, const QRect &frame) : QObject(&window), m_window(window), m_frame(frame)
    {
        setObjectName(kCorrectionName);
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window.windowHandle()->isExposed()) {
            const QMargins margins = marginsOf(m_window);
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
    QRect m_frame;
};

} // namespace

ViewerPlacement placeBeside(const QRect &mainFrame, const QRect &screenArea)
{
    const int right = screenArea.x() + screenArea.width();
    int mainLeft = mainFrame.left();
    if (mainLeft + mainFrame.width() + kViewerWidth >= right)
        mainLeft = std::max(screenArea.left(), right - kViewerWidth - mainFrame.width());
    const int viewerLeft =
        std::max(screenArea.left(), std::min(mainLeft + mainFrame.width(), right - kViewerWidth));
    return {mainLeft, QRect(viewerLeft, mainFrame.top(), kViewerWidth, mainFrame.height())};
}

void placeViewerBeside(QWidget &mainWindow, QWidget &viewer, const QRect &screenArea)
{
    if (viewer.isMinimized())
        viewer.setWindowState(viewer.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (viewer.isMaximized())
        return;

    const QRect mainFrame = mainWindow.frameGeometry();
    const ViewerPlacement place = placeBeside(mainFrame, screenArea);
    if (place.mainLeft != mainFrame.left())
        mainWindow.move(place.mainLeft, mainFrame.top());
    placeFrame(viewer, place.viewer, mainWindow);
}

void placeFrame(QWidget &window, const QRect &frame, const QWidget &model)
{
    // Qt's move() takes the outer corner only once the frame is known; the inside is always certain.
    window.winId();
    delete window.findChild<QObject *>(kCorrectionName, Qt::FindDirectChildrenOnly);
    const bool onScreen = window.isVisible() && window.windowHandle()->isExposed();
    const QMargins own = marginsOf(window);
    window.setGeometry(insideOf(window, frame, own.isNull() ? marginsOf(model) : own));
    if (!onScreen)
        new FrameCorrection(window, frame);
}
