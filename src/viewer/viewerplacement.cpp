// SPDX-License-Identifier: MIT
#include "viewer/viewerplacement.h"

#include <QWidget>

ViewerPlacement placeBeside(const QRect &mainFrame, int screenWidth)
{
    int mainLeft = mainFrame.left();
    if (mainLeft + mainFrame.width() + kViewerWidth >= screenWidth)
        mainLeft = screenWidth - kViewerWidth - mainFrame.width();
    return {mainLeft, QRect(mainLeft + mainFrame.width(), mainFrame.top(), kViewerWidth, mainFrame.height())};
}

void placeViewerBeside(QWidget &mainWindow, QWidget &viewer, int screenWidth)
{
    if (viewer.isMinimized())
        viewer.setWindowState(viewer.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    if (viewer.isMaximized())
        return;

    const QRect mainFrame = mainWindow.frameGeometry();
    const ViewerPlacement place = placeBeside(mainFrame, screenWidth);
    if (place.mainLeft != mainFrame.left())
        mainWindow.move(place.mainLeft, mainFrame.top());

    // move() places the outer rectangle, resize() the inside of the frame. A viewer never shown has no frame
    // yet; it will get one like the main window's.
    const QWidget &framed = viewer.windowHandle() ? viewer : mainWindow;
    const QSize frame = framed.frameGeometry().size() - framed.size();
    viewer.move(place.viewer.topLeft());
    viewer.resize(place.viewer.size() - frame);
}
