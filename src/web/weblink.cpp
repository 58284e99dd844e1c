// SPDX-License-Identifier: MIT
#include "web/weblink.h"

#include "platform/messageboxes.h"
#include "platform/shell.h"

#include <QPointer>
#include <QWidget>

namespace weblink {

QString GetFileExtension(const QString &path, bool lowerCase)
{
    // A URL has no "\", so for one the whole address is the name.
    const QString name = path.mid(path.lastIndexOf(u'\\') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    const QString extension = name.mid(dot + 1);
    return lowerCase ? extension.toLower() : extension;
}

QString launchFailureMessage(qint32 code, const QString &noAssociationLine)
{
    if (code > 32)
        return {};
    QString text = QStringLiteral("Error launching web browser, error code =");
    if (code >= 0)
        text += u' ';
    text += QString::number(code) + u'.';

    QString extra;
    switch (code) {
    case 31:
        extra = noAssociationLine;
        break;
    case 8:
        extra = QStringLiteral("Out of memory.");
        break;
    case 2:
        extra = QStringLiteral("Please try once more.");
        break;
    default:
        break;
    }
    if (!extra.isEmpty())
        text += QStringLiteral("\r\n\r\n") + extra;
    return text;
}

static void explainFailure(platform::MessageBoxes &messages, QWidget *parent, qint32 result,
                           const QString &noAssociationLine)
{
    const QString message = launchFailureMessage(result, noAssociationLine);
    if (!message.isEmpty())
        messages.show(parent, message, QStringLiteral("Cannot launch web browser"),
                      platform::MessageIcon::Exclamation);
}

void openWebPageExplaining(platform::Shell &shell, platform::MessageBoxes &messages, QWidget *parent,
                           const QString &url, const QString &noAssociationLine)
{
    // The answer may come from the event loop, after the window has gone.
    shell.open(url, [&messages, owner = QPointer<QWidget>(parent), noAssociationLine](qint32 result) {
        explainFailure(messages, owner, result, noAssociationLine);
    });
}

void OpenWebPage(platform::Shell &shell, platform::MessageBoxes &messages, QWidget *parent,
                 const QString &url)
{
    const QString extension = GetFileExtension(url, true);
    openWebPageExplaining(shell, messages, parent, url,
                          QStringLiteral("File extension '") + extension +
                              QStringLiteral("' is not associated with any application program."));
}

} // namespace weblink
