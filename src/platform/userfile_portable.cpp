// SPDX-License-Identifier: MIT
#include "platform/userfile.h"

#include "platform/regularfile.h"

#include <cerrno>
#include <cstring>

namespace platform::userfile {

namespace {

QString reason(regularfile::Failure failure, int error, bool reading, qint64 limit)
{
    switch (failure) {
    case regularfile::Failure::Missing:
        return reading ? QStringLiteral("no such file") : QStringLiteral("no such folder");
    case regularfile::Failure::NotRegular:
        return QStringLiteral("not a regular file");
    case regularfile::Failure::TooLarge:
        return QStringLiteral("larger than %1 MiB").arg(limit >> 20);
    default:
        return error ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("input/output error");
    }
}

} // namespace

std::optional<QByteArray> read(const QString &path, qint64 limit, QString *why)
{
    regularfile::Snapshot snapshot;
    errno = 0;
    if (const regularfile::Failure failure = regularfile::readSnapshot(path, limit, &snapshot);
        failure != regularfile::Failure::None) {
        *why = reason(failure, errno, true, limit);
        return std::nullopt;
    }
    return snapshot.bytes;
}

bool write(const QString &path, const QByteArray &bytes, QString *why)
{
    errno = 0;
    if (const regularfile::Failure failure = regularfile::replace(path, bytes);
        failure != regularfile::Failure::None) {
        *why = reason(failure, errno, false, 0);
        return false;
    }
    return true;
}

} // namespace platform::userfile
