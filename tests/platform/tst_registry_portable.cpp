// SPDX-License-Identifier: MIT
#include "platform/inidocument.h"
#include "platform/registry_portable.h"
#include "settings/registry3.h"
#include "settings/registry3cases.h"
#include "support/asotheruser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <memory>
#include <pwd.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using platform::kHkeyCurrentUser;
using platform::PortableRegistry;
using platform::RegKey;

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

qint32 write(PortableRegistry &registry, const QByteArray &subKey, const QByteArray &name,
             const QByteArray &data)
{
    RegKey key = 0;
    qint32 code = registry.createKey(kHkeyCurrentUser, subKey.toStdString(), &key, nullptr);
    if (code == 0) {
        code = registry.setStringValue(key, name.toStdString(), data.toStdString());
        registry.closeKey(key);
    }
    return code;
}

// A value's data as the registry gives it, or the first result code that is not 0.
struct Value
{
    qint32 code;
    QByteArray data;
};

Value read(PortableRegistry &registry, const QByteArray &subKey, const QByteArray &name)
{
    RegKey key = 0;
    Value value{registry.openKey(kHkeyCurrentUser, subKey.toStdString(), &key), {}};
    quint32 size = 0;
    if (value.code == 0)
        value.code = registry.queryValue(key, name.toStdString(), nullptr, &size);
    value.data.resize(size);
    if (value.code == 0)
        value.code = registry.queryValue(key, name.toStdString(), value.data.data(), &size);
    registry.closeKey(key);
    value.data.truncate(value.code == 0 ? size : 0);
    return value;
}

// What stands at path: the bytes of a regular file, else the kind of thing (a link's target's kind after it).
QByteArray describe(const QString &path)
{
    struct stat info
    {
    };
    const QByteArray name = QFile::encodeName(path);
    if (::lstat(name, &info) != 0)
        return "nothing";
    const QByteArray link = S_ISLNK(info.st_mode) ? "link to " : "";
    if (::stat(name, &info) != 0)
        return link + "nothing";
    return link +
           (S_ISREG(info.st_mode) ? fileBytes(path) : "type " + QByteArray::number(info.st_mode & S_IFMT, 8));
}

// The open-file limit that lets this process open one more file and no second one.
rlim_t oneMoreFile()
{
    // Files take the lowest free number, so the second free number is the limit.
    const int first = ::open("/dev/null", O_RDONLY);
    const int second = ::open("/dev/null", O_RDONLY);
    ::close(first);
    ::close(second);
    return rlim_t(second);
}

} // namespace

class tst_RegistryPortable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void openKey_data();
    void openKey();
    void dataRoundTrip_data();
    void dataRoundTrip();
    void queryAndHandleCodes();
    void unusableStore_data();
    void unusableStore();
    void foreignContentSurvives_data();
    void foreignContentSurvives();
    void malformedStores();
    void lockObstacles_data();
    void lockObstacles();
    void fullDisk_data();
    void fullDisk();
    void readOnlyFolder();
    void storePlace_data();
    void storePlace();
    void failedSaveKeepsPreviousValue_data();
    void failedSaveKeepsPreviousValue();
    void sizeLimit_data();
    void sizeLimit();
    void staleCopiesRemoved();
    void anotherWriterMeanwhile_data();
    void anotherWriterMeanwhile();
    void updateMeanwhile_data();
    void updateMeanwhile();
    void readIsOneVersion();
    void sharedCases_data();
    void sharedCases();

private:
    QString storePath() const { return m_dir->filePath(QStringLiteral("Quenby Systems/registry.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_RegistryPortable::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_RegistryPortable::openKey_data()
{
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<qint32>("code");

    QTest::newRow("its parent") << QByteArray("Software\\Quenby Systems") << 0;
    QTest::newRow("other case") << QByteArray("software\\QUENBY SYSTEMS\\Tvk") << 0;
    QTest::newRow("the root itself") << QByteArray() << 0;
    QTest::newRow("a value is no key") << kKey + "\\Params" << 2;
    QTest::newRow("prefix of a name") << QByteArray("Software\\Quenby") << 2;
    QTest::newRow("slash is no separator") << QByteArray("Software/Quenby Systems") << 2;
}

void tst_RegistryPortable::openKey()
{
    QFETCH(QByteArray, subKey);
    QFETCH(qint32, code);

    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "x"), 0);
    RegKey key = 99;
    QCOMPARE(registry.openKey(kHkeyCurrentUser, subKey.toStdString(), &key), code);
    QCOMPARE(key != 0, code == 0);
    QCOMPARE(registry.closeKey(key), code == 0 ? 0 : 6);
}

void tst_RegistryPortable::dataRoundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("data");

    QByteArray everyByte;
    for (int b = 255; b >= 0; --b)
        everyByte.append(char(b));

    QTest::newRow("every byte, ending in a zero") << QByteArray("Params") << everyByte;
    QTest::newRow("no bytes") << QByteArray("Params") << QByteArray("");
    QTest::newRow("empty name") << QByteArray() << QByteArray("default");
    QTest::newRow("name with separators, escapes, file syntax, high bytes")
        << QByteArray("a/b\\c%25%2F%[x] =;\"t\xc3\xa9t\xe9") << QByteArray("1");
}

void tst_RegistryPortable::dataRoundTrip()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, data);

    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Other", "neighbour"), 0);
    QCOMPARE(write(registry, kKey, name, data), 0);
    QCOMPARE(read(registry, kKey, name).code, 0);
    QCOMPARE(read(registry, kKey, name).data, data);
    QCOMPARE(read(registry, kKey, "Other").data, QByteArray("neighbour"));
    QCOMPARE(read(registry, kKey, name.toUpper()).data, data);
}

void tst_RegistryPortable::queryAndHandleCodes()
{
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "0123456789"), 0);

    RegKey key = 0;
    QCOMPARE(registry.openKey(kHkeyCurrentUser, kKey.toStdString(), &key), 0);
    char small[4] = {};
    quint32 size = sizeof small;
    QCOMPARE(registry.queryValue(key, "Params", small, &size), 234);
    QCOMPARE(size, 10u);
    // A key opened for reading refuses writes, as one opened with query access does.
    QCOMPARE(registry.setStringValue(key, "Params", "changed"), 5);
    QCOMPARE(registry.closeKey(key), 0);
    QCOMPARE(registry.queryValue(key, "Params", nullptr, &size), 6);
    // Only the current user's root is kept.
    QCOMPARE(registry.openKey(0x80000002u, "Software", &key), 6);
    QCOMPARE(registry.createKey(0x80000002u, "Software", &key, nullptr), 6);
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray("0123456789"));
}

void tst_RegistryPortable::unusableStore_data()
{
    QTest::addColumn<QString>("obstacle"); // what stands in the store's place
    QTest::addColumn<qint32>("createCode");
    QTest::addColumn<qint32>("openCode");

    QTest::newRow("folder where the file should be") << "folder" << 1012 << 1012;
    QTest::newRow("file where the folder should be") << "file" << 1013 << 2;
    QTest::newRow("damaged file") << "damaged" << 1009 << 1009;
    QTest::newRow("file of more than 1 MiB") << "large" << 1009 << 1009;
    QTest::newRow("FIFO") << "fifo" << 1012 << 1012;
    QTest::newRow("link to a FIFO") << "link to fifo" << 1012 << 1012;
    QTest::newRow("link to a device") << "link to device" << 1012 << 1012;
    QTest::newRow("link to nothing") << "link to nothing" << 1013 << 2;
}

void tst_RegistryPortable::unusableStore()
{
    QFETCH(QString, obstacle);
    QFETCH(qint32, createCode);
    QFETCH(qint32, openCode);

    const QString folder = QFileInfo(storePath()).path();
    if (obstacle == "folder")
        QVERIFY(QDir().mkpath(storePath()));
    else if (obstacle == "file")
        QVERIFY(writeFile(folder, "not a folder"));
    else
        QVERIFY(QDir().mkpath(folder));
    const QByteArray store = QFile::encodeName(storePath());
    const QByteArray other = QFile::encodeName(m_dir->filePath("other"));
    if (obstacle == "damaged")
        QVERIFY(writeFile(storePath(), "[HKEY_CURRENT_USER\ngarbage\n"));
    if (obstacle == "large")
        QVERIFY(writeFile(storePath(), "[HKEY_CURRENT_USER]\n" + QByteArray(1 << 20, ';')));
    if (obstacle.endsWith("fifo"))
        QCOMPARE(::mkfifo(obstacle == "fifo" ? store : other, 0666), 0);
    if (obstacle == "link to device" && ::mknod(other, S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("making a device node needs root");
    if (obstacle.startsWith("link"))
        QCOMPARE(::symlink(other, store), 0);
    const QString obstaclePath = obstacle == "file" ? folder : storePath();
    const QByteArray before = describe(obstaclePath);

    PortableRegistry registry(storePath());
    RegKey key = 0;
    QCOMPARE(registry.createKey(kHkeyCurrentUser, kKey.toStdString(), &key, nullptr), createCode);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(registry.openKey(kHkeyCurrentUser, kKey.toStdString(), &key), openCode);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(describe(obstaclePath), before);
    // Once the obstacle is gone the same registry saves again.
    QVERIFY(QFile::remove(obstaclePath) || QDir().rmdir(obstaclePath));
    QCOMPARE(write(registry, kKey, "Params", "x"), 0);
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray("x"));
}

// The store's section of kKey with the value Params and what goes before its end of line.
QByteArray tvk(const QByteArray &params, const QByteArray &end = "\n", const QByteArray &mark = "exists=true")
{
    return "[HKEY_CURRENT_USER%5CSoftware%5CQuenby%20Systems%5CTVK]" + end +
           (mark.isEmpty() ? "" : mark + end) + "values\\Params=@ByteArray(" + params + ")" + end;
}

void tst_RegistryPortable::foreignContentSurvives_data()
{
    QTest::addColumn<QByteArray>("before"); // holds Params "old"
    QTest::addColumn<QByteArray>("after");  // after Params is set to "new"

    const QByteArray other = "[Other]\nvalues\\Name=caf\xe9\nvalues\\Title=\"Hello\nvalues\\Next=x\n\n";
    QTest::newRow("Latin-1 and a stray quote in another section") << other + tvk("old") << other + tvk("new");
    const QByteArray notes = "; comment\n[Other] text after the bracket\n# hash\nkey=1 ; note\n\n";
    QTest::newRow("comments and text after a header") << notes + tvk("old") << notes + tvk("new");
    const QByteArray stray = "values\\Title=\"Hello ; \\q\nvalues\\List=a,b\n[Next]\nx=1";
    QTest::newRow("unreadable values in the same section") << tvk("old") + stray << tvk("new") + stray;
    QTest::newRow("CR LF line ends") << tvk("old", "\r\n") << tvk("new", "\r\n");
    QTest::newRow("spaces and a comment around the value")
        << tvk("old").replace("=@ByteArray(old)", " = @ByteArray(old) ; kept")
        << tvk("new").replace("=@ByteArray(new)", " = @ByteArray(new) ; kept");
    const QByteArray lower =
        "[hkey_current_user%5csoftware%5cquenby%20systems%5ctvk]\nexists=true\nVALUES\\params=";
    QTest::newRow("other spelling") << lower + "@ByteArray(old)\n" << lower + "@ByteArray(new)\n";
    QTest::newRow("no exists mark") << tvk("old", "\n", "") << tvk("new");
    QTest::newRow("no final line end") << tvk("old").chopped(1) + "\nfoo=1" << tvk("new") + "foo=1";
}

void tst_RegistryPortable::foreignContentSurvives()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).path()) && writeFile(storePath(), before));

    PortableRegistry registry(storePath());
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray("old"));
    QCOMPARE(write(registry, kKey, "Params", "new"), 0);
    QCOMPARE(fileBytes(storePath()), after);
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray("new"));
}

// Damaged stores of every kind: nothing crashes or hangs, and a save that is refused leaves the file alone.
void tst_RegistryPortable::malformedStores()
{
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", QByteArray("a\0b\"c\\d;e,f=g\xe9", 14)), 0);
    QCOMPARE(write(registry, kKey + "\\Sub", "Other", " x "), 0);
    const QByteArray sound = fileBytes(storePath());
    static const char kSyntax[] = "[]=\\\"%;,\n\r\t @()x0AU\xe9\xff\0";
    const QByteArray alphabet(kSyntax, sizeof kSyntax - 1);
    QRandomGenerator random(14);
    int refused = 0;
    for (int round = 0; round < 1200; ++round) {
        QByteArray bytes = sound;
        const int at = random.bounded(int(bytes.size()) + 1);
        switch (round % 4) {
        case 0: // random bytes
            bytes.resize(random.bounded(400));
            for (char &c : bytes)
                c = char(random.bounded(256));
            break;
        case 1: // cut short
            bytes.truncate(at);
            break;
        case 2: // characters of the file's syntax put in
            for (int i = random.bounded(1, 6); i > 0; --i)
                bytes.insert(random.bounded(int(bytes.size()) + 1),
                             alphabet[random.bounded(int(alphabet.size()))]);
            break;
        default: // a stretch replaced by another part of the file
            bytes.replace(at, random.bounded(20),
                          sound.mid(random.bounded(int(sound.size())), random.bounded(30)));
        }
        QVERIFY(writeFile(storePath(), bytes));
        (void)read(registry, kKey, "Params");
        const qint32 code = write(registry, kKey, "Params", "new");
        if (code != 0) {
            ++refused;
            QCOMPARE(fileBytes(storePath()), bytes);
        } else {
            QCOMPARE(read(registry, kKey, "Params").data, QByteArray("new"));
        }
        QCOMPARE(registry.openKeyCount(), 0);
    }
    QVERIFY(refused > 100);
}

void tst_RegistryPortable::lockObstacles_data()
{
    QTest::addColumn<QString>("lock");
    QTest::addColumn<qint32>("code");

    QTest::newRow("folder") << "folder" << 1013;
    QTest::newRow("FIFO") << "fifo" << 1013;
    QTest::newRow("garbage left behind") << "garbage" << 0;
    QTest::newRow("left behind naming a live process") << "live" << 0;
    QTest::newRow("held by another saver") << "held" << 32;
}

void tst_RegistryPortable::lockObstacles()
{
    QFETCH(QString, lock);
    QFETCH(qint32, code);
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QByteArray before = fileBytes(storePath());
    const QString lockPath = storePath() + ".lock";
    if (lock == "folder")
        QVERIFY(QDir().mkpath(lockPath));
    if (lock == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(lockPath), 0666), 0);
    if (lock == "garbage" || lock == "live")
        QVERIFY(writeFile(lockPath,
                          lock == "live" ? QByteArray::number(::getpid()) + "\nquenby\nhost\n" : "\xff\x01"));
    const int held = lock == "held" ? ::open(QFile::encodeName(lockPath), O_RDWR | O_CREAT, 0666) : -1;
    const auto release = qScopeGuard([held] { held >= 0 && ::close(held); });
    QVERIFY(lock != "held" || ::flock(held, LOCK_EX) == 0);

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(write(registry, kKey, "Params", "new"), code);
    QVERIFY2(timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
    if (code != 0)
        QCOMPARE(fileBytes(storePath()), before);
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray(code == 0 ? "new" : "old"));
}

void tst_RegistryPortable::fullDisk_data()
{
    QTest::addColumn<int>("freeBlocks");
    QTest::addColumn<int>("valueSize");
    QTest::addColumn<qint32>("code");

    QTest::newRow("no block free") << 0 << 10 << 1013;
    QTest::newRow("one block free, the new store fits") << 1 << 100 << 0;
    QTest::newRow("one block free, the new store does not fit") << 1 << 5000 << 1013;
}

void tst_RegistryPortable::fullDisk()
{
    QFETCH(int, freeBlocks);
    QFETCH(int, valueSize);
    QFETCH(qint32, code);
    const QByteArray disk = QFile::encodeName(m_dir->filePath("disk"));
    QVERIFY(QDir().mkpath(QString::fromLocal8Bit(disk)));
    if (::mount("tmpfs", disk, "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting a tmpfs needs root and a system that allows mounts");
    const auto unmount = qScopeGuard([&disk] { ::umount(disk); });
    const QString store = QString::fromLocal8Bit(disk) + "/Quenby Systems/registry.ini";
    PortableRegistry registry(store);
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QByteArray before = fileBytes(store);

    const int filler = ::open(disk + "/filler", O_WRONLY | O_CREAT, 0644);
    const QByteArray block(4096, 'f');
    off_t filled = 0;
    for (ssize_t n; (n = ::write(filler, block.constData(), block.size())) > 0;)
        filled += n;
    QVERIFY(::ftruncate(filler, filled - 4096 * freeBlocks) == 0 && ::close(filler) == 0);

    QCOMPARE(write(registry, kKey, "Params", QByteArray(valueSize, 'v')), code);
    if (code != 0)
        QCOMPARE(fileBytes(store), before);
    PortableRegistry later(store);
    QCOMPARE(read(later, kKey, "Params").data, code == 0 ? QByteArray(valueSize, 'v') : QByteArray("old"));
    QCOMPARE(QFileInfo(store).dir().entryList(QDir::Files), QStringList{"registry.ini"});
}

void tst_RegistryPortable::readOnlyFolder()
{
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QString folder = QFileInfo(storePath()).path();
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                     QFile::ReadOther | QFile::ExeOther) &&
            QFile::setPermissions(folder,
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther) &&
            QFile::setPermissions(storePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                                   QFile::WriteOther));
    qint32 code = 0;
    QByteArray data;
    {
        const AsOtherUser user;
        code = write(registry, kKey, "Params", "new");
        data = read(registry, kKey, "Params").data;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(code, 1013);
    QCOMPARE(data, QByteArray("old"));
}

void tst_RegistryPortable::storePlace_data()
{
    QTest::addColumn<QByteArray>("xdg"); // null: unset
    QTest::addColumn<QByteArray>("home");
    QTest::addColumn<QString>("folder"); // "~": the home the user database gives

    QTest::newRow("absolute XDG_CONFIG_HOME") << QByteArray("/x/cfg/") << QByteArray("/h") << "/x/cfg";
    QTest::newRow("relative XDG_CONFIG_HOME") << QByteArray("cfg") << QByteArray("/h") << "/h/.config";
    QTest::newRow("HOME empty") << QByteArray() << QByteArray("") << "~/.config";
    QTest::newRow("HOME unset") << QByteArray() << QByteArray() << "~/.config";
    QTest::newRow("HOME relative") << QByteArray("") << QByteArray("h") << "~/.config";
}

void tst_RegistryPortable::storePlace()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QByteArray, home);
    QFETCH(QString, folder);
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_CONFIG_HOME", oldXdg);
        qputenv("HOME", oldHome);
    });
    for (const auto &[name, value] : {std::pair("XDG_CONFIG_HOME", xdg), std::pair("HOME", home)}) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    folder.replace("~", QFile::decodeName(getpwuid(getuid())->pw_dir));
    QCOMPARE(PortableRegistry::defaultFilePath(), folder + "/Quenby Systems/registry.ini");
}

void tst_RegistryPortable::failedSaveKeepsPreviousValue_data()
{
    QTest::addColumn<int>("resource");
    QTest::addColumn<int>("limit"); // 0: one more open file
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<bool>("subKeyAfter"); // whether kKey\Sub exists afterwards

    const QByteArray sub = kKey + "\\Sub";
    const int size = RLIMIT_FSIZE;
    const int files = RLIMIT_NOFILE;
    // With the file size limited the disk is full (a value replaced on a full disk is fullDisk's): the small
    // store fits in 4096 bytes, the large value does not, and 16 bytes hold no store at all. With one more
    // open file a save fails after locking.
    QTest::newRow("disk full, value added to a new key") << size << 4096 << sub << true;
    QTest::newRow("disk full, key added") << size << 16 << sub << false;
    QTest::newRow("save cut off, value replaced") << files << 0 << kKey << false;
    QTest::newRow("save cut off, key added") << files << 0 << sub << false;
}

void tst_RegistryPortable::failedSaveKeepsPreviousValue()
{
    QFETCH(int, resource);
    QFETCH(int, limit);
    QFETCH(QByteArray, subKey);
    QFETCH(bool, subKeyAfter);

    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QByteArray before = fileBytes(storePath());
    const QByteArray large(20000, 'n');
    // The limit binds root too; it is lifted again before anything is compared.
    rlimit old{};
    getrlimit(resource, &old);
    rlimit lower = old;
    lower.rlim_cur = limit ? rlim_t(limit) : oneMoreFile();
    QVERIFY(setrlimit(resource, &lower) == 0);
    const qint32 failed = write(registry, subKey, "Params", large);
    setrlimit(resource, &old);
    QCOMPARE(failed, 1013);
    if (!subKeyAfter)
        QCOMPARE(fileBytes(storePath()), before);
    QCOMPARE(QFileInfo(storePath()).dir().entryList(QDir::Files), QStringList{"registry.ini"});
    PortableRegistry later(storePath());
    QCOMPARE(read(later, kKey, "Params").data, QByteArray("old"));
    RegKey key = 0;
    QCOMPARE(later.openKey(kHkeyCurrentUser, (kKey + "\\Sub").toStdString(), &key), subKeyAfter ? 0 : 2);
    later.closeKey(key);
    QCOMPARE(write(later, subKey, "Params", large), 0);
    QCOMPARE(read(later, subKey, "Params").data, large);
}

// A store of exactly `size` bytes: a comment line fills it up to `tail`, which ends it.
QByteArray storeOfSize(qsizetype size, const QByteArray &tail)
{
    return ';' + QByteArray(size - tail.size() - 2, 'x') + '\n' + tail;
}

using Values = std::vector<std::pair<std::string, std::string>>;

// The store is read up to 1 MiB, so a save never makes it larger; every value of a save lands in one
// replace, so a refused save leaves the file byte for byte. Values are written with their terminator,
// stored as the two characters "\0".
void tst_RegistryPortable::sizeLimit_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QByteArray>("status"); // how the status begins; anything but "0": the file stays

    const qsizetype mib = 1 << 20;
    QTest::newRow("growing to exactly 1 MiB")
        << storeOfSize(mib - 1, tvk("old\\0")) << Values{{"Params", "newy"}} << QByteArray("0 ");
    QTest::newRow("growing one byte past 1 MiB")
        << storeOfSize(mib, tvk("old\\0")) << Values{{"Params", "newy"}} << QByteArray("1816 ");
    // Params grows by 1 byte and fits alone; the line values\ContrastPanel=@ByteArray(1\0) is 37 bytes.
    QTest::newRow("the second value past the limit")
        << storeOfSize(mib - 37, tvk("old\\0")) << Values{{"Params", "newy"}, {"ContrastPanel", "1"}}
        << QByteArray("1816 ");
    // The key's section takes a blank line, its header and its mark (69 bytes) and fits alone; the value's
    // line (30 bytes) does not.
    QTest::newRow("a new key that fits, its value past the limit")
        << storeOfSize(mib - 98, "[HKEY_CURRENT_USER%5CSoftware]\nexists=true\n\n"
                                 "[HKEY_CURRENT_USER%5CSoftware%5CQuenby%20Systems]\nexists=true\n")
        << Values{{"Params", "x"}} << QByteArray("1816 ");
}

void tst_RegistryPortable::sizeLimit()
{
    QFETCH(QByteArray, before);
    QFETCH(Values, values);
    QFETCH(QByteArray, status);
    const QByteArray disk = QFile::encodeName(m_dir->filePath("disk"));
    QVERIFY(QDir().mkpath(QString::fromLocal8Bit(disk)));
    if (::mount("tmpfs", disk, "tmpfs", 0, "size=3m") != 0)
        QSKIP("mounting a tmpfs needs root and a system that allows mounts");
    const auto unmount = qScopeGuard([&disk] { ::umount(disk); });
    const QString store = QString::fromLocal8Bit(disk) + "/registry.ini";
    QVERIFY(writeFile(store, before));

    PortableRegistry registry(store);
    const std::string got =
        Registry3::RegWriteStrings(registry, kHkeyCurrentUser, kKey.toStdString(), values);
    QVERIFY2(got.starts_with(status.toStdString()), got.c_str());
    if (status != "0 ") {
        QCOMPARE(fileBytes(store), before);
        return;
    }
    QCOMPARE(QFileInfo(store).size(), 1 << 20);
    PortableRegistry later(store);
    QCOMPARE(read(later, kKey, "Params").data, QByteArray::fromStdString(values[0].second + '\0'));
}

// A copy that a killed save left beside the store goes at the next save; other files stay.
void tst_RegistryPortable::staleCopiesRemoved()
{
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QDir folder = QFileInfo(storePath()).dir();
    const QStringList others{"registry.ini.tmp", "registry.ini.tmp-1", "registry.ini.tmpA1",
                             "registry.ini.bak", "other.ini.tmp1a2b"};
    for (const QString &name : others + QStringList{"registry.ini.tmp1a2b3c4d5e6f7"})
        QVERIFY(writeFile(folder.filePath(name), "[HKEY_CURRENT_USER]\n"));
    QCOMPARE(write(registry, kKey, "Params", "new"), 0);
    QStringList left = others + QStringList{"registry.ini"};
    left.sort();
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name), left);
}

// Another program, which takes no lock, writes the store while a save is between reading it and replacing
// it: its change is kept, or the save fails and leaves the file as that program left it.
void tst_RegistryPortable::anotherWriterMeanwhile_data()
{
    QTest::addColumn<QString>("command"); // a shell command that writes the file "$1"
    QTest::addColumn<bool>("everyTime");  // whether it writes on each try of the save, or on the first only
    QTest::addColumn<qint32>("code");
    QTest::addColumn<QByteArray>("after");

    const QByteArray other = "[Other]\nx=1\n";
    QTest::newRow("a section appended")
        << "printf '[Next]\\ny=2\\n' >>\"$1\"" << false << 0 << tvk("new") + other + "[Next]\ny=2\n";
    QTest::newRow("rewritten in place at the same size")
        << "sed 's/x=1/x=2/' \"$1\" >\"$1.new\" && cat \"$1.new\" >\"$1\"" << false << 0
        << tvk("new") + "[Other]\nx=2\n";
    QTest::newRow("written on every try")
        << "printf ';\\n' >>\"$1\"" << true << 32 << tvk("old") + other + ";\n;\n;\n;\n;\n";
}

void tst_RegistryPortable::anotherWriterMeanwhile()
{
    QFETCH(QString, command);
    QFETCH(bool, everyTime);
    QFETCH(qint32, code);
    QFETCH(QByteArray, after);
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).path()) &&
            writeFile(storePath(), tvk("old") + "[Other]\nx=1\n"));

    PortableRegistry registry(storePath());
    int writes = 0;
    registry.setBeforeReplace([&] {
        if (writes == 0 || everyTime)
            writes += QProcess::execute("sh", {"-c", command, "sh", storePath()}) == 0 ? 1 : 100;
    });
    QCOMPARE(write(registry, kKey, "Params", "new"), code);
    QCOMPARE(writes, everyTime ? 5 : 1);
    QCOMPARE(fileBytes(storePath()), after);
}

// A read-modify-write of the value List (adding the line "x") while another program, which takes no lock,
// writes the store between the read and the rename: the change is made again on what that program wrote.
void tst_RegistryPortable::updateMeanwhile_data()
{
    QTest::addColumn<QString>("meanwhile"); // what the other program does to the store
    QTest::addColumn<bool>("everyTime");    // on each try of the save, or on the first only
    QTest::addColumn<qint32>("code");
    QTest::addColumn<int>("runs"); // how often the change ran
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("other");

    QTest::newRow("nothing") << "" << false << 0 << 1 << QByteArray("a\nx\n") << QByteArray("1");
    QTest::newRow("a line added to the value")
        << "add" << false << 0 << 2 << QByteArray("a\nb\nx\n") << QByteArray("1");
    QTest::newRow("the value removed") << "remove" << false << 0 << 2 << QByteArray("x\n") << QByteArray("1");
    QTest::newRow("another value changed")
        << "other" << false << 0 << 2 << QByteArray("a\nx\n") << QByteArray("2");
    QTest::newRow("the value damaged") << "damage" << false << 1009 << 1 << QByteArray() << QByteArray("1");
    QTest::newRow("written on every try")
        << "add" << true << 32 << 5 << QByteArray("a\nb\nb\nb\nb\nb\n") << QByteArray("1");
}

void tst_RegistryPortable::updateMeanwhile()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, everyTime);
    QFETCH(qint32, code);
    QFETCH(int, runs);
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, other);
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "List", "a\n"), 0);
    QCOMPARE(write(registry, kKey, "Other", "1"), 0);

    // The other program edits the file in place, as an editor that saves over it does.
    const auto edit = [&] {
        platform::IniDocument document(fileBytes(storePath()));
        const int section = document.section("HKEY_CURRENT_USER\\Software\\Quenby Systems\\TVK");
        const int line = document.entry(section, "values/List");
        if (meanwhile == "add")
            document.setValue(section, "values/List", *document.value(line) + "b\n");
        else if (meanwhile == "other")
            document.setValue(section, "values/Other", "2");
        QByteArray bytes = document.bytes();
        if (meanwhile == "remove")
            bytes.replace("values\\List=@ByteArray(a\\n)\n", "");
        if (meanwhile == "damage")
            bytes.replace("values\\List=", "values\\List=\"");
        QVERIFY(writeFile(storePath(), bytes));
    };
    int edits = 0;
    registry.setBeforeReplace([&] {
        if (!meanwhile.isEmpty() && (edits++ == 0 || everyTime))
            edit();
    });
    const QByteArray before = fileBytes(storePath());
    int ran = 0;
    const platform::WriteOutcome outcome = registry.updateStringValues(
        kHkeyCurrentUser, kKey.toStdString(), {"List"}, [&ran](const platform::FoundValues &found) {
            ++ran;
            return platform::StringValues{{"List", found[0].value_or("") + "x\n"}};
        });
    QCOMPARE(outcome.keyResult, 0);
    QCOMPARE(outcome.valueResult, code);
    QCOMPARE(ran, runs);
    registry.setBeforeReplace({});
    if (code == 0)
        QCOMPARE(read(registry, kKey, "List").data, list);
    else if (meanwhile == "damage")
        QCOMPARE(fileBytes(storePath()), QByteArray(before).replace("values\\List=", "values\\List=\""));
    else
        QCOMPARE(read(registry, kKey, "List").data, list);
    QCOMPARE(read(registry, kKey, "Other").data, other);
}

// A value's size and its data come from the same version of the file, whatever is saved in between.
void tst_RegistryPortable::readIsOneVersion()
{
    PortableRegistry registry(storePath());
    PortableRegistry other(storePath());
    QCOMPARE(write(registry, kKey, "Pairs", "short"), 0);
    RegKey key = 0;
    QCOMPARE(registry.openKey(kHkeyCurrentUser, kKey.toStdString(), &key), 0);
    quint32 size = 0;
    QCOMPARE(registry.queryValue(key, "Pairs", nullptr, &size), 0);
    QCOMPARE(write(other, kKey, "Pairs", "a longer list"), 0);
    QByteArray data(size, '\0');
    QCOMPARE(registry.queryValue(key, "Pairs", data.data(), &size), 0);
    QCOMPARE(data, QByteArray("short"));
    registry.closeKey(key);
    std::string text;
    QCOMPARE(Registry3::RegReadString(registry, kHkeyCurrentUser, kKey.toStdString(), "Pairs", text), "0 OK");
    QCOMPARE(text, "a longer list");
}

// The string store's cases that hold over every registry, over this one in its own file; a key a case
// leaves open is a failure too.
void tst_RegistryPortable::sharedCases_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(registry3cases::cases().size()); ++i)
        QTest::newRow(registry3cases::cases()[i].name.c_str()) << i;
}

void tst_RegistryPortable::sharedCases()
{
    QFETCH(int, index);
    PortableRegistry registry(storePath());
    std::string failures;
    for (const std::string &failure :
         registry3cases::run(registry3cases::cases()[index], registry, kKey.toStdString(),
                             [&] { return registry.openKeyCount(); }))
        failures += failure + '\n';
    QVERIFY2(failures.empty(), failures.c_str());
}

QTEST_GUILESS_MAIN(tst_RegistryPortable)
#include "tst_registry_portable.moc"
