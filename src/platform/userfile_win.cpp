// SPDX-License-Identifier: MIT
#include "platform/userfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform::userfile {

std::optional<QByteArray> read(const QString &path, qint64 limit, QString *why)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *why = QStringLiteral("no such file");
        return std::nullopt;
    }
    if (!info.isFile()) {
        *why = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(limit + 1) : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        *why = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > limit) {
        *why = QStringLiteral("larger than %1 MiB").arg(limit >> 20);
        return std::nullopt;
    }
    return bytes;
}

bool write(const QString &path, const QByteArray &bytes, QString *why)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *why = QStringLiteral("not a regular file");
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a write that fails is seen by the write itself: a buffered one fails only as commit
    // flushes it, which Qt 6.4 does not count, and the cut copy would replace the file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform::userfile
