// SPDX-License-Identifier: MIT
#include "widgets/linetextbox.h"

#include "platform/clipboard.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>

#include <algorithm>

LineTextBox::LineTextBox(QWidget *parent) : QLineEdit(parent), m_clipboard(&platform::systemClipboard())
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
    QString pasted = m_clipboard->readText(mode).value_or(QString());
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

QMenu *LineTextBox::editMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("qt_edit_menu"));
    const QList<QAction *> windowActions = window()->actions();
    const auto add = [this, menu, &windowActions](const char *text, QKeySequence::StandardKey key,
                                                  const char *icon, bool enabled, const auto &slot) {
        QString caption = QCoreApplication::translate("QLineEdit", text);
        // As in Qt's menu, a key is shown unless the window takes it for an action of its own.
        const QKeySequence keys(key);
        const bool taken =
            std::any_of(windowActions.begin(), windowActions.end(),
                        [&keys](const QAction *action) { return action->shortcuts().contains(keys); });
        if (!keys.isEmpty() && !taken && QGuiApplication::styleHints()->showShortcutsInContextMenus())
            caption += u'\t' + keys.toString(QKeySequence::NativeText);
        QAction *action = menu->addAction(QIcon::fromTheme(QLatin1String(icon)), caption);
        action->setObjectName(QLatin1String(icon));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    const bool editable = !isReadOnly();
    const bool copyable = hasSelectedText() && echoMode() == QLineEdit::Normal;
    if (editable)
        add("Cu&t", QKeySequence::Cut, "edit-cut", copyable, &QLineEdit::cut);
    add("&Copy", QKeySequence::Copy, "edit-copy", copyable, &QLineEdit::copy);
    if (editable) {
        add("&Paste", QKeySequence::Paste, "edit-paste",
            !m_clipboard->readText().value_or(QString()).isEmpty(), [this] { pasteWithinLimit(); });
        add("Delete", QKeySequence::UnknownKey, "edit-delete", hasSelectedText(), &QLineEdit::del);
    }
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll, "edit-select-all",
        !text().isEmpty() && selectedText() != text(), &QLineEdit::selectAll);
    return menu;
}

void LineTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    // Qt's own menu would ask the clipboard's owner for its text without a time limit. Undo is left out:
    // undoing the box's text could empty it, and the window undoes colours instead.
    QMenu *menu = editMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
