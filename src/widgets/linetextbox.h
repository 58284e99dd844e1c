// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QSet>

namespace platform {
class Clipboard;
}
class QMenu;

// A single-line text box whose length limit holds for typing and pasting only: the program may put a
// longer text in, and the user may shorten it, but never make it longer than the limit. Of the keys with
// Ctrl, Alt or Meta it keeps only paste, select all, copy, cut and the moving and deleting keys; the others
// reach the window's shortcuts, and its text is never undone.
class LineTextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineTextBox(QWidget *parent = nullptr);

    void setTypingLimit(int limit) { m_limit = limit; }
    int typingLimit() const { return m_limit; }
    // Where pasting takes its text from; the system's clipboard unless set.
    void setClipboard(platform::Clipboard *clipboard) { m_clipboard = clipboard; }

signals:
    // A key went up whose press this box received while it had the focus. A release that follows a press
    // elsewhere (the Enter that closed a message box, the Tab that brought the focus here) is not reported.
    void keyUp(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    static bool isTextKey(const QKeyEvent *event);
    // How many more characters the user may add in place of the selection.
    qsizetype room() const;
    void pasteWithinLimit(QClipboard::Mode mode = QClipboard::Clipboard);
    // Qt's own menu, but with the clipboard read by our clipboard and without undo.
    QMenu *editMenu();

    int m_limit = 32767;
    platform::Clipboard *m_clipboard;
    QSet<int> m_keysDown;
};
