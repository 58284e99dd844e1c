// SPDX-License-Identifier: MIT
#include "platform/registry_portable.h"
#include "settings/registry3cases_qt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
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

class TestRegistryPortable : public QObject
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
    void mendedStoreIsUsedAgain();
    void failedSaveKeepsPreviousValue_data();
    void failedSaveKeepsPreviousValue();
    void sharedCases_data();
    void sharedCases();

private:
    QString storePath() const { return m_dir->filePath(QStringLiteral("Quenby Systems/registry.ini")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRegistryPortable::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestRegistryPortable::openKey_data()
{
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<qint32>("code");

    QTest::newRow("created key") << kKey << 0;
    QTest::newRow("its parent") << QByteArray("Software\\Quenby Systems") << 0;
    QTest::newRow("other case") << QByteArray("software\\QUENBY SYSTEMS\\Tvk") << 0;
    QTest::newRow("the root itself") << QByteArray() << 0;
    QTest::newRow("never created") << QByteArray("Software\\Quenby Systems\\Other") << 2;
    QTest::newRow("below the created key") << kKey + "\\Deeper" << 2;
    QTest::newRow("a value is no key") << kKey + "\\Params" << 2;
    QTest::newRow("prefix of a name") << QByteArray("Software\\Quenby") << 2;
    QTest::newRow("slash is no separator") << QByteArray("Software/Quenby Systems") << 2;
}

void TestRegistryPortable::openKey()
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

void TestRegistryPortable::dataRoundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("data");

    QByteArray everyByte;
    for (int b = 255; b >= 0; --b)
        everyByte.append(char(b));

    QTest::newRow("every byte, ending in a zero") << QByteArray("Params") << everyByte;
    QTest::newRow("no bytes") << QByteArray("Params") << QByteArray("");
    QTest::newRow("blanks around") << QByteArray("Params") << QByteArray("  x  ");
    QTest::newRow("empty name") << QByteArray() << QByteArray("default");
    QTest::newRow("name with separators, escapes, file syntax, high bytes")
        << QByteArray("a/b\\c%25%2F%[x] =;\"t\xc3\xa9t\xe9") << QByteArray("1");
}

void TestRegistryPortable::dataRoundTrip()
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

void TestRegistryPortable::queryAndHandleCodes()
{
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "0123456789"), 0);

    RegKey key = 0;
    QCOMPARE(registry.openKey(kHkeyCurrentUser, kKey.toStdString(), &key), 0);
    char small[4] = {};
    quint32 size = sizeof small;
    QCOMPARE(registry.queryValue(key, "Params", small, &size), 234);
    QCOMPARE(size, 10u);
    QCOMPARE(registry.queryValue(key, "Missing", nullptr, &size), 2);
    // A key opened for reading refuses writes, as one opened with query access does.
    QCOMPARE(registry.setStringValue(key, "Params", "changed"), 5);
    QCOMPARE(registry.closeKey(key), 0);
    QCOMPARE(registry.queryValue(key, "Params", nullptr, &size), 6);
    // Only the current user's root is kept.
    QCOMPARE(registry.openKey(0x80000002u, "Software", &key), 6);
    QCOMPARE(registry.createKey(0x80000002u, "Software", &key, nullptr), 6);
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray("0123456789"));
}

void TestRegistryPortable::unusableStore_data()
{
    QTest::addColumn<QString>("obstacle"); // what stands in the store's place
    QTest::addColumn<qint32>("createCode");
    QTest::addColumn<qint32>("openCode");

    QTest::newRow("folder where the file should be") << "folder" << 1012 << 1012;
    QTest::newRow("file where the folder should be") << "file" << 1013 << 2;
    // Opening after the failed create reads the file a second time, which QSettings alone takes for sound.
    QTest::newRow("damaged file") << "damaged" << 1009 << 1009;
}

void TestRegistryPortable::unusableStore()
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
        QVERIFY(QDir().mkpath(folder) && writeFile(storePath(), "[HKEY_CURRENT_USER\ngarbage\n"));
    const QString obstaclePath = obstacle == "file" ? folder : storePath();
    const QByteArray before = fileBytes(obstaclePath);

    PortableRegistry registry(storePath());
    RegKey key = 0;
    QCOMPARE(registry.createKey(kHkeyCurrentUser, kKey.toStdString(), &key, nullptr), createCode);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(registry.openKey(kHkeyCurrentUser, kKey.toStdString(), &key), openCode);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(fileBytes(obstaclePath), before);
}

void TestRegistryPortable::mendedStoreIsUsedAgain()
{
    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "x"), 0);
    const QByteArray sound = fileBytes(storePath());
    QVERIFY(writeFile(storePath(), sound + "this line is no entry\n"));
    QCOMPARE(read(registry, kKey, "Params").code, 1009);
    QVERIFY(writeFile(storePath(), sound));
    QCOMPARE(read(registry, kKey, "Params").data, QByteArray("x"));
}

void TestRegistryPortable::failedSaveKeepsPreviousValue_data()
{
    QTest::addColumn<int>("resource");
    QTest::addColumn<int>("limit"); // 0: one more open file
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<bool>("subKeyAfter"); // whether kKey\Sub exists afterwards

    const QByteArray sub = kKey + "\\Sub";
    const int size = RLIMIT_FSIZE;
    const int files = RLIMIT_NOFILE;
    // With the file size limited the disk is full: the small store fits in 4096 bytes, the large value
    // does not, and 16 bytes hold no store at all. With one more open file a save fails after locking.
    QTest::newRow("disk full, value replaced") << size << 4096 << kKey << false;
    QTest::newRow("disk full, value added to a new key") << size << 4096 << sub << true;
    QTest::newRow("disk full, key added") << size << 16 << sub << false;
    QTest::newRow("save cut off, value replaced") << files << 0 << kKey << false;
    QTest::newRow("save cut off, key added") << files << 0 << sub << false;
}

void TestRegistryPortable::failedSaveKeepsPreviousValue()
{
    QFETCH(int, resource);
    QFETCH(int, limit);
    QFETCH(QByteArray, subKey);
    QFETCH(bool, subKeyAfter);

    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QByteArray before = fileBytes(storePath());
    const QByteArray large(20000, 'n');
    // The limit binds root too; it is lifted again before anything is compared. A write past the file
    // size limit then fails, as on a full disk, instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
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
    // QSettings keeps what it read for the whole process, so a change it failed to save must be undone there.
    PortableRegistry later(storePath());
    QCOMPARE(read(later, kKey, "Params").data, QByteArray("old"));
    RegKey key = 0;
    QCOMPARE(later.openKey(kHkeyCurrentUser, (kKey + "\\Sub").toStdString(), &key), subKeyAfter ? 0 : 2);
    later.closeKey(key);
    QCOMPARE(write(later, subKey, "Params", large), 0);
    QCOMPARE(read(later, subKey, "Params").data, large);
}

// The string store's cases that hold over every registry, over this one in its own file.
void TestRegistryPortable::sharedCases_data()
{
    registry3cases::addRows();
}

void TestRegistryPortable::sharedCases()
{
    PortableRegistry registry(storePath());
    registry3cases::runRow(registry, kKey.toStdString());
}

QTEST_GUILESS_MAIN(TestRegistryPortable)
#include "tst_registry_portable.moc"
