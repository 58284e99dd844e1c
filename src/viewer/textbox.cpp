#include "viewer/textbox.h"

#include <QTextCursor>

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TextBox::setText(const QString &text)
{
    m_text = text;
    setPlainText(text);
}

void TextBox::moveCaretToStart()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    ensureCursorVisible();
}
