// SPDX-License-Identifier: MIT
#include "widgets/linetextbox.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

LineTextBox::LineTextBox(QWidget *parent) : QLineEdit(parent)
{
    // A drop would bypass the limit, and nothing here is meant to be dragged in.
    setAcceptDrops(false);
}

qsizetype LineTextBox::room() const
{
    return m_limit - (text().size() - selectedText().size());
}

void LineTextBox::pasteWithinLimit()
{
    QString pasted = QGuiApplication::clipboard()->text();
    pasted.remove(u'\r');
    pasted.remove(u'\n');
    const qsizetype room = this->room();
    if (room > 0)
        insert(pasted.left(room));
}

void LineTextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteWithinLimit();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && typed.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (inserts && room() < typed.size()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LineTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, &LineTextBox::pasteWithinLimit);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
