// SPDX-License-Identifier: MIT
#include "pairs/pairfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace pairfiles {

std::optional<QString> read(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(path);
        return std::nullopt;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("%1: not a regular file").arg(path);
        return std::nullopt;
    }
    if (info.size() > kLargestFile) {
        *error = QStringLiteral("%1: larger than %2 MiB").arg(path).arg(kLargestFile >> 20);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kLargestFile) {
        *error = QStringLiteral("%1: %2").arg(
            path, bytes.size() > kLargestFile ? QStringLiteral("larger than %1 MiB").arg(kLargestFile >> 20)
                                              : file.errorString());
        return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

bool write(const QString &path, const QString &text, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("%1: not a regular file").arg(path);
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace pairfiles
