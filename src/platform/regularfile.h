// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Files the program reads and writes, opened only when they are regular files: a FIFO, device, folder or
// socket in their place fails at once instead of blocking or being replaced. Paths are encoded as
// localnames does, so that a name of any bytes is used as it was given.
namespace platform::regularfile {

enum class Failure { None, Missing, NotRegular, Denied, TooLarge, IoError, Busy, Changed };

// What tells one state of a file from another without reading it: the file itself, its size and the times
// of its last changes, in nanoseconds.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    bool operator==(const FileIdentity &) const = default;
};

// A file as it was read: whether it was there, and then its bytes and identity.
struct Snapshot
{
    bool exists = false;
    QByteArray bytes;
    FileIdentity identity;
};

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
    // The open file's identity as it is now.
    FileIdentity identity() const;

private:
    int m_fd = -1;
    Failure m_failure = Failure::None;
};

// Sets snapshot to the regular file at path as it is now; a file of more than limit bytes is TooLarge.
Failure readSnapshot(const QString &path, qint64 limit, Snapshot *snapshot);

// Replaces the regular file at path, or the regular file a link there leads to, by bytes: written beside
// it, flushed, read back and renamed over it; its folder must exist. On any failure the old file stays as it
// was. Given what the file was when read, the rename is made only while it still is that (Changed if not), so
// that another program's change made in the meantime is not lost.
Failure replace(const QString &path, const QByteArray &bytes, const Snapshot *expected = nullptr);

// Removes the copies that replace makes beside the file at path and that a replace ended by a kill left
// behind. Call only while no replace of that file can be running.
void removeStaleCopies(const QString &path);

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
