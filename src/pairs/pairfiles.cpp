// SPDX-License-Identifier: MIT
#include "pairs/pairfiles.h"

#include "color/visibletext.h"
#include "platform/userfile.h"

#include <QStringDecoder>

namespace pairfiles {

namespace {

// A path in a message shows its control characters, so that the message stays one line.
QString failure(const QString &path, const QString &why)
{
    return visibleExcerpt(path, 4096) + QStringLiteral(": ") + why;
}

} // namespace

std::optional<QString> read(const QString &path, QString *error)
{
    QString why;
    const std::optional<QByteArray> bytes = platform::userfile::read(path, kLargestFile, &why);
    if (!bytes) {
        *error = failure(path, why);
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(*bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(*bytes);
    return text;
}

bool write(const QString &path, const QString &text, QString *error)
{
    QString why;
    if (!platform::userfile::write(path, text.toUtf8(), &why)) {
        *error = failure(path, why);
        return false;
    }
    return true;
}

} // namespace pairfiles
