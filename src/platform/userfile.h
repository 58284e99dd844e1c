// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files the user names to export to and import from: read only when they are regular files (a FIFO or a
// device there would make the program wait on another one), and written whole or not at all, so that an
// existing file stays byte for byte as it was when a write fails (a full disk, a file-size limit).
namespace platform::userfile {

// The bytes of the file at path; nothing, with why set to the reason in a few words, when it cannot be
// read or holds more than limit bytes.
std::optional<QByteArray> read(const QString &path, qint64 limit, QString *why);
// Replaces the file at path, or makes it in an existing folder, with bytes; false, with why set, when it
// cannot.
bool write(const QString &path, const QByteArray &bytes, QString *why);

} // namespace platform::userfile
