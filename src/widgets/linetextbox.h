// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

// A single-line text box whose length limit holds for typing and pasting only: the program may put a
// longer text in, and the user may shorten it, but never make it longer than the limit.
class LineTextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineTextBox(QWidget *parent = nullptr);

    void setTypingLimit(int limit) { m_limit = limit; }
    int typingLimit() const { return m_limit; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // How many more characters the user may add in place of the selection.
    qsizetype room() const;
    void pasteWithinLimit();

    int m_limit = 32767;
};
