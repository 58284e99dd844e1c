// SPDX-License-Identifier: MIT
#include "platform/regularfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::regularfile {

namespace {

Failure failureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Failure::Missing;
    case EACCES:
    case EPERM:
    case EROFS:
        return Failure::Denied;
    case EISDIR:
    case ELOOP:
    case ENXIO:
        return Failure::NotRegular;
    default:
        return Failure::IoError;
    }
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Whether the file at fd holds exactly bytes.
bool holdsExactly(int fd, const QByteArray &bytes)
{
    QByteArray back(bytes.size() + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got < back.size()) {
        const ssize_t n = ::pread(fd, back.data() + got, size_t(back.size() - got), off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    return got == bytes.size() && QByteArrayView(back).first(got) == bytes;
}

// The file that a save at name replaces: name itself, or the target of the link there. Sets exists and
// old to what is in that place now.
Failure replacedFile(const QByteArray &name, QByteArray *target, bool *exists, struct stat *old)
{
    *target = name;
    *exists = false;
    if (::lstat(name.constData(), old) != 0)
        return errno == ENOENT ? Failure::None : failureOf(errno);
    if (S_ISLNK(old->st_mode)) {
        char *real = ::realpath(name.constData(), nullptr);
        if (!real)
            return Failure::NotRegular;
        *target = real;
        std::free(real);
        if (::stat(target->constData(), old) != 0)
            return Failure::NotRegular;
    }
    *exists = true;
    return S_ISREG(old->st_mode) ? Failure::None : Failure::NotRegular;
}

} // namespace

Reader::Reader(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    // Looking first means a device is never opened; the check after opening catches a swap in between.
    if (::stat(name.constData(), &info) != 0) {
        m_failure = failureOf(errno);
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        m_failure = Failure::NotRegular;
        return;
    }
    m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (m_fd < 0) {
        m_failure = failureOf(errno);
        return;
    }
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        m_failure = Failure::NotRegular;
}

Reader::~Reader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray Reader::read(qint64 max)
{
    if (m_failure != Failure::None)
        return {};
    QByteArray bytes(max, Qt::Uninitialized);
    qint64 got = 0;
    while (got < max) {
        const ssize_t n = ::read(m_fd, bytes.data() + got, size_t(max - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            m_failure = Failure::IoError;
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

Failure readWhole(const QString &path, qint64 limit, QByteArray *bytes)
{
    Reader file(path);
    *bytes = file.read(limit + 1);
    if (file.failure() != Failure::None) {
        bytes->clear();
        return file.failure();
    }
    return bytes->size() > limit ? Failure::TooLarge : Failure::None;
}

Failure replace(const QString &path, const QByteArray &bytes)
{
    // A write past the file-size limit must fail and be reported, not end the program.
    static const bool sizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(sizeSignalIgnored);

    QByteArray target;
    bool exists = false;
    struct stat old
    {
    };
    if (const Failure failure = replacedFile(QFile::encodeName(path), &target, &exists, &old);
        failure != Failure::None)
        return failure;
    if (!exists && !QDir().mkpath(QFileInfo(QFile::decodeName(target)).absolutePath()))
        return Failure::IoError;

    const QByteArray temporary =
        target + ".tmp" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    const int fd = ::open(temporary.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          exists ? (old.st_mode & 0777) : 0666);
    if (fd < 0)
        return failureOf(errno);
    bool written = true;
    if (exists) {
        // Keep who owns the store and who may read it; the owner only changes when root saves.
        written = ::fchmod(fd, old.st_mode & 07777) == 0;
        if (::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0)
            written = false;
    }
    written = written && writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0 &&
              holdsExactly(fd, bytes);
    written = ::close(fd) == 0 && written;
    // The place must still hold a regular file, or nothing, right before it is replaced.
    struct stat now
    {
    };
    const bool placeSound =
        ::lstat(target.constData(), &now) == 0 ? S_ISREG(now.st_mode) : errno == ENOENT && !exists;
    if (!written || !placeSound || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return placeSound ? Failure::IoError : Failure::NotRegular;
    }
    // Make the rename itself durable; a file system that cannot flush folders has nothing to lose here.
    const int folder =
        ::open(QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath()).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return Failure::None;
}

Lock::Lock(const QString &path, int waitMs) : m_name(QFile::encodeName(path))
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // Non-blocking, so that a FIFO of that name is opened at once and then refused.
        const int fd = ::open(m_name.constData(),
                              O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0) {
            m_failure = failureOf(errno);
            return;
        }
        struct stat held
        {
        };
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            m_failure = Failure::NotRegular;
            return;
        }
        // The content is not looked at: a lock left by a process that died is free, whatever it says.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder we waited for removes the file; a lock on a removed file locks nothing.
            struct stat now
            {
            };
            if (::stat(m_name.constData(), &now) == 0 && now.st_ino == held.st_ino &&
                now.st_dev == held.st_dev) {
                m_fd = fd;
                return;
            }
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            m_failure = Failure::IoError;
            return;
        }
        ::close(fd);
        if (waited.elapsed() >= waitMs) {
            m_failure = Failure::Busy;
            return;
        }
        ::usleep(10000);
    }
}

Lock::~Lock()
{
    if (m_fd >= 0) {
        ::unlink(m_name.constData());
        ::close(m_fd);
    }
}

} // namespace platform::regularfile
