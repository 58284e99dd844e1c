#pragma once

#include <QLineEdit>

// A single-line text box whose length limit holds for typing only: the program may put a longer text in,
// and the user may shorten it, but typing never makes a text longer than the limit.
class LineTextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineTextBox(QWidget *parent = nullptr);

    void setTypingLimit(int limit) { m_limit = limit; }
    int typingLimit() const { return m_limit; }

private:
    int m_limit = 32767;
};
