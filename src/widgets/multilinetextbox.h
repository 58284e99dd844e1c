// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>

// A multi-line text box that gives back its text exactly as it was set, line ends included;
// the document behind the view keeps only paragraph breaks.
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit MultiLineTextBox(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }

    // Puts the caret at the start and scrolls there.
    void moveCaretToStart();

private:
    QString m_text;
};
