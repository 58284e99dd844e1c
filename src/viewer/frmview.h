// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace platform {
class MessageBoxes;
class TextFileReader;
} // namespace platform

class QPushButton;
class QWindow;
class MultiLineTextBox;

// Shows a plain-text file (the start of a long one), read afresh each time the window is shown or the user
// returns to it from another window of the program.
class frmView : public QWidget
{
    Q_OBJECT

public:
    frmView(platform::TextFileReader &files, platform::MessageBoxes &messages, QWidget *parent = nullptr);

    // Full path of the file to show; set before showing.
    QString strFilename;

    // True once the file's text is in the text box; false during a load and after a failed one.
    bool blnFileDisplayed() const { return m_fileDisplayed; }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void activated();
    void applicationStateChanged(Qt::ApplicationState state);
    void focusWindowChanged(QWindow *window);
    void Form_Activate();
    void Form_Resize();
    void cmdClose_Click();
    void failLoading(const QString &text, const QString &title);

    platform::TextFileReader &m_files;
    platform::MessageBoxes &m_messages;
    MultiLineTextBox *txbText1 = nullptr;
    QPushButton *cmdClose = nullptr;
    bool m_fileDisplayed = false;
    bool m_loading = false;
    bool m_upToDate = false;    // loaded since the window last became visible or active
    bool m_leftProgram = false; // the user went to another application since last in a window of ours
};
