// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Files the program reads and writes, opened only when they are regular files: a FIFO, device, folder or
// socket in their place fails at once instead of blocking or being replaced.
namespace platform::regularfile {

enum class Failure { None, Missing, NotRegular, Denied, TooLarge, IoError, Busy };

// A regular file (links followed) open for reading from its start; closed when destroyed.
class Reader
{
public:
    explicit Reader(const QString &path);
    ~Reader();
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;

    Failure failure() const { return m_failure; }
    // Up to max more bytes; fewer only at the end of the file or after a failure.
    QByteArray read(qint64 max);

private:
    int m_fd = -1;
    Failure m_failure = Failure::None;
};

// Sets bytes to the content of the regular file at path; a file of more than limit bytes is TooLarge.
Failure readWhole(const QString &path, qint64 limit, QByteArray *bytes);

// Replaces the regular file at path, or the regular file a link there leads to, by bytes: written beside
// it, flushed, read back and renamed over it. On any failure the old file stays as it was.
Failure replace(const QString &path, const QByteArray &bytes);

// An exclusive lock between processes, held on the regular file at path (made if missing, removed when
// released) for as long as this lives; gives up with Busy after waitMs milliseconds.
class Lock
{
public:
    Lock(const QString &path, int waitMs);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    Failure failure() const { return m_failure; }

private:
    QByteArray m_name;
    int m_fd = -1;
    Failure m_failure = Failure::None;
};

} // namespace platform::regularfile
