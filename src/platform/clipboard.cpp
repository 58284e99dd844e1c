// SPDX-License-Identifier: MIT
#include "platform/clipboard.h"

#include "platform/foreignclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

// Without a GUI application there is no connection to the desktop and so no clipboard.
static QClipboard *sessionClipboard(QString &error)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        error = QStringLiteral("Cannot open the clipboard: no desktop session.");
        return nullptr;
    }
    return QGuiApplication::clipboard();
}

bool QtClipboard::clear(QString &error)
{
    QClipboard *clipboard = sessionClipboard(error);
    if (!clipboard)
        return false;
    clipboard->clear(QClipboard::Clipboard);
    return true;
}

bool QtClipboard::setText(const QString &text, QString &error)
{
    QClipboard *clipboard = sessionClipboard(error);
    if (!clipboard)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    // QClipboard reports nothing when the desktop refuses us the clipboard (another client may
    // hold it); reading back what the session now offers is the only way to notice.
    if (readText(QClipboard::Clipboard) != text) {
        error = QStringLiteral("Cannot write to the clipboard: another program may be using it.");
        return false;
    }
    return true;
}

Clipboard &systemClipboard()
{
    static QtClipboard clipboard;
    return clipboard;
}

std::optional<QString> QtClipboard::readText(QClipboard::Mode mode) const
{
    QString error;
    const QClipboard *clipboard = sessionClipboard(error);
    if (!clipboard)
        return std::nullopt;
    // Qt would wait seconds for an owner that does not answer; our own text needs no waiting.
    const bool ours = mode == QClipboard::Selection ? clipboard->ownsSelection() : clipboard->ownsClipboard();
    if (!ours) {
        if (ForeignText foreign = readForeignText(mode); foreign.handled)
            return foreign.text;
    }
    const QMimeData *data = clipboard->mimeData(mode);
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}

} // namespace platform
