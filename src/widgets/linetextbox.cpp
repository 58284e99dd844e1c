// SPDX-License-Identifier: MIT
#include "widgets/linetextbox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

LineTextBox::LineTextBox(QWidget *parent) : QLineEdit(parent)
{
    // A drop would bypass the limit, and nothing here is meant to be dragged in.
    setAcceptDrops(false);
}

qsizetype LineTextBox::room() const
{
    return m_limit - (text().size() - selectedText().size());
}

void LineTextBox::pasteWithinLimit(QClipboard::Mode mode)
{
    QString pasted = QGuiApplication::clipboard()->text(mode);
    pasted.remove(u'\r');
    pasted.remove(u'\n');
    const qsizetype room = this->room();
    if (room > 0)
        insert(pasted.left(room));
}

bool LineTextBox::isTextKey(const QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll) ||
        event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut))
        return true;
    if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return true;
    switch (event->key()) {
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Shift:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

bool LineTextBox::event(QEvent *event)
{
    // Left unaccepted, the window's shortcut for the key runs instead of the box's own binding.
    if (event->type() == QEvent::ShortcutOverride && !isTextKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QLineEdit::event(event);
}

void LineTextBox::keyPressEvent(QKeyEvent *event)
{
    if (!isTextKey(event)) {
        event->ignore();
        return;
    }
    if (!event->isAutoRepeat())
        m_keysDown.insert(event->key());
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

void LineTextBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    // The key is forgotten before the signal goes out: a handler may open a message box, whose own
    // key presses must not count as presses here.
    if (!event->isAutoRepeat() && m_keysDown.remove(event->key()))
        emit keyUp(event->key(), event->modifiers());
}

void LineTextBox::focusOutEvent(QFocusEvent *event)
{
    m_keysDown.clear();
    QLineEdit::focusOutEvent(event);
}

void LineTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // Pasting the selection with the middle button keeps the limit too.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        pasteWithinLimit(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LineTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    // Undoing the box's text could empty it; the window undoes colours instead.
    for (const char *name : {"edit-undo", "edit-redo"}) {
        if (QAction *action = menu->findChild<QAction *>(QLatin1String(name)))
            menu->removeAction(action);
    }
    if (auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteWithinLimit(); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
