// SPDX-License-Identifier: MIT
// The Help button.
#include "app/frmmain.h"

#include "viewer/frmview.h"
#include "viewer/viewerplacement.h"
#include "widgets/picturebox.h"

#include <QCoreApplication>
#include <QScreen>

void frmMain::cmdHelp_Click()
{
    if (!m_viewer)
        m_viewer = new frmView(*m_services.files, *m_services.messages, this);

    // On a screen too narrow for both windows the viewer hides as little of the pictures as it can.
    QList<QRectF> pictures{picGraphic->geometry(), picSample->geometry()};
    for (const PictureBox *swatch : picSmall)
        pictures << swatch->geometry();
    placeViewerBeside(*this, *m_viewer, screen()->availableGeometry(), pictures);
    m_viewer->strFilename = QCoreApplication::applicationDirPath() + QStringLiteral("/tvk_help.txt");
    m_viewer->setWindowTitle(QStringLiteral("Help for TVK"));
    m_viewer->setWindowIcon(windowIcon());
    m_viewer->show();
    // Already open behind other windows: bring it forward, which reads the file again.
    m_viewer->raise();
    m_viewer->activateWindow();
}
