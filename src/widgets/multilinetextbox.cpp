// SPDX-License-Identifier: MIT
#include "widgets/multilinetextbox.h"

#include <QTextCursor>

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void MultiLineTextBox::setText(const QString &text)
{
    m_text = text;
    setPlainText(text);
}

void MultiLineTextBox::moveCaretToStart()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    ensureCursorVisible();
}
