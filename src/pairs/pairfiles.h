// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// Export and import files: UTF-8 text, read only from regular files (a FIFO or device in the chosen place
// would make the window wait on another program) and written whole or not at all.
namespace pairfiles {

// Far beyond any list of pairs; a larger file is refused unread.
constexpr qint64 kLargestFile = 16 << 20;

// The text of the file at path; nothing, with error set to one line, when it cannot be read. Text that is
// not UTF-8 is read as Latin-1.
std::optional<QString> read(const QString &path, QString *error);
// Replaces the file at path with text; false, with error set, when it cannot.
bool write(const QString &path, const QString &text, QString *error);

} // namespace pairfiles
