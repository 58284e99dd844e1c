// SPDX-License-Identifier: MIT
#pragma once

#include "catalogue/softwarelist.h"

#include <QDialog>

#include <array>
#include <vector>

namespace platform {
class MessageBoxes;
class Shell;
} // namespace platform

class CaptionLabel;
class QPushButton;
class QScrollBar;

// Lists the maker's other programs, three at a time, each opening its web page when clicked.
// Shown modally; Close hides it with its state kept, the title bar's close box unloads it.
class frmQSsoftware : public QDialog
{
    Q_OBJECT

public:
    // mainWindow gives the window its colours and position, and is its parent.
    frmQSsoftware(platform::Shell &shell, platform::MessageBoxes &messages, QWidget *mainWindow);

    // Taken when the window loads.
    bool blnIntroFontBold = false;
    qint32 lngIntroForeColor = 0;
    qint32 lngTitleForeColor = 0;
    qint32 lngDescriptionForeColor = 0;

    // Opens strURL in the default browser; says why in a message box when that fails.
    void RequestWebPage(const QString &strURL);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Unload();
    void VScroll_Change();
    void lblTitle_Click(int index);
    void lblDescription_Click(int index);
    void cmdClose_Click();
    void captionRow(int row, int item);

    platform::Shell &m_shell;
    platform::MessageBoxes &m_messages;
    QWidget *m_mainWindow;

    QString strHomePage;
    SoftwareItemTable SoftwareItems;
    qint16 SoftwareItemCount = 0;
    qint16 FirstShownItem = 0;
    std::array<bool, kSoftwareItemSlots> m_visited{}; // items whose title was clicked

    // Every control lives in m_form, so that unloading destroys them all at once; null while unloaded.
    QWidget *m_form = nullptr;
    CaptionLabel *lblIntro = nullptr;
    QWidget *PicBox = nullptr;
    std::vector<CaptionLabel *> lblTitle;
    std::vector<CaptionLabel *> lblDescription;
    QScrollBar *VScroll = nullptr;
    QPushButton *cmdClose = nullptr;
};
