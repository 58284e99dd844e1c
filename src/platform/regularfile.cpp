// SPDX-License-Identifier: MIT
#include "platform/regularfile.h"

#include "platform/localnames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
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

FileIdentity identityOf(const struct stat &info)
{
    return {quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

// The copies replace writes are named after the file they replace, with this and a number in base 36.
constexpr char kCopyInfix[] = ".tmp";

// Whether the file at target is still what expected says it was: its bytes are compared as well as its
// identity, since a rewrite of the same size may keep the times the clock's granularity gives.
bool stillAsRead(const QByteArray &target, const Snapshot &expected)
{
    Snapshot now;
    const Failure failure = readSnapshot(localnames::decode(target), expected.bytes.size(), &now);
    if (!expected.exists)
        return failure == Failure::Missing;
    return failure == Failure::None && now.bytes == expected.bytes && now.identity == expected.identity;
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
    const QByteArray name = localnames::encode(path);
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

FileIdentity Reader::identity() const
{
    struct stat info
    {
    };
    return m_fd >= 0 && ::fstat(m_fd, &info) == 0 ? identityOf(info) : FileIdentity();
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

Failure readSnapshot(const QString &path, qint64 limit, Snapshot *snapshot)
{
    Reader file(path);
    *snapshot = Snapshot();
    snapshot->bytes = file.read(limit + 1);
    if (file.failure() != Failure::None) {
        snapshot->bytes.clear();
        return file.failure();
    }
    snapshot->exists = true;
    // Taken after the read, so that a change made while reading shows in either the bytes or the identity.
    snapshot->identity = file.identity();
    return snapshot->bytes.size() > limit ? Failure::TooLarge : Failure::None;
}

Failure replace(const QString &path, const QByteArray &bytes, const Snapshot *expected)
{
    // A write past the file-size limit must fail and be reported, not end the program.
    static const bool sizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    Q_UNUSED(sizeSignalIgnored);

    QByteArray target;
    bool exists = false;
    struct stat old
    {
    };
    if (const Failure failure = replacedFile(localnames::encode(path), &target, &exists, &old);
        failure != Failure::None)
        return failure;

    const QByteArray temporary =
        target + kCopyInfix + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
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
    // The place must still hold a regular file, or nothing, right before it is replaced; when the caller
    // knows what it read there, that same file. The last look is a stat alone, to keep the moment between
    // it and the rename short.
    const bool changed = written && expected && !stillAsRead(target, *expected);
    struct stat now
    {
    };
    const bool present = ::lstat(target.constData(), &now) == 0;
    const bool placeSound = present ? S_ISREG(now.st_mode) : errno == ENOENT && !exists;
    const bool moved =
        expected && (present != expected->exists || (present && identityOf(now) != expected->identity));
    if (!written || !placeSound || changed || moved ||
        ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        if (!placeSound)
            return Failure::NotRegular;
        return written && (changed || moved) ? Failure::Changed : Failure::IoError;
    }
    // Make the rename itself durable; a file system that cannot flush folders has nothing to lose here.
    const int folder =
        ::open(localnames::encode(QFileInfo(localnames::decode(target)).absolutePath()).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return Failure::None;
}

void removeStaleCopies(const QString &path)
{
    QByteArray target;
    bool exists = false;
    struct stat info
    {
    };
    if (replacedFile(localnames::encode(path), &target, &exists, &info) != Failure::None)
        return;
    const QFileInfo file(localnames::decode(target));
    const QString prefix = file.fileName() + QLatin1String(kCopyInfix);
    const QDir folder = file.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QStringView number = QStringView(name).mid(prefix.size());
        // 13 digits in base 36 hold any 64-bit number.
        if (!name.startsWith(prefix) || number.isEmpty() || number.size() > 13 ||
            !std::all_of(number.begin(), number.end(),
                         [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'); }))
            continue;
        const QByteArray copy = localnames::encode(folder.filePath(name));
        if (::lstat(copy.constData(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(copy.constData());
    }
}

Lock::Lock(const QString &path, int waitMs) : m_name(localnames::encode(path))
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
