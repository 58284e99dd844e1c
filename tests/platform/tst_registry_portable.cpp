#include "platform/registry_portable.h"
#include "settings/registry3.h"
#include "settings/registry3cases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <fcntl.h>
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

QString text(const std::string &bytes)
{
    return QString::fromStdString(bytes);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

qint32 createAndClose(PortableRegistry &registry, const QByteArray &subKey, quint32 *disposition = nullptr)
{
    RegKey key = 0;
    quint32 how = 0;
    const qint32 code = registry.createKey(kHkeyCurrentUser, subKey.toStdString(), &key, &how);
    if (key)
        registry.closeKey(key);
    if (disposition)
        *disposition = how;
    return code;
}

qint32 write(PortableRegistry &registry, const QByteArray &subKey, const QByteArray &name, const QByteArray &data)
{
    RegKey key = 0;
    quint32 how = 0;
    qint32 code = registry.createKey(kHkeyCurrentUser, subKey.toStdString(), &key, &how);
    if (code == 0) {
        code = registry.setStringValue(key, name.toStdString(), data.toStdString());
        registry.closeKey(key);
    }
    return code;
}

// The value's data as the registry gives it, or the failing result code in code.
QByteArray read(PortableRegistry &registry, const QByteArray &subKey, const QByteArray &name, qint32 &code)
{
    RegKey key = 0;
    code = registry.openKey(kHkeyCurrentUser, subKey.toStdString(), &key);
    if (code != 0)
        return {};
    quint32 size = 0;
    code = registry.queryValue(key, name.toStdString(), nullptr, &size);
    QByteArray data(size, '?');
    if (code == 0)
        code = registry.queryValue(key, name.toStdString(), data.data(), &size);
    registry.closeKey(key);
    return code == 0 ? data.left(size) : QByteArray();
}

// A fault of the file system for as long as it lives: either every write that would take a file
// past limit bytes fails, as on a full disk, or no more than one file can be open at a time, so a save
// fails after it has locked the store. Root is held to both.
class FileSystemFault
{
public:
    enum Kind { FileSize, FileHandles };

    explicit FileSystemFault(Kind kind, rlim_t limit = 0)
        : m_resource(kind == FileSize ? RLIMIT_FSIZE : RLIMIT_NOFILE)
    {
        getrlimit(m_resource, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (kind == FileHandles) {
            // Handles are numbered from the lowest free one; below the second free number only one fits.
            const int first = ::open("/dev/null", O_RDONLY);
            const int second = ::open("/dev/null", O_RDONLY);
            ::close(first);
            ::close(second);
            limit = rlim_t(second);
        }
        rlimit lower = m_old;
        lower.rlim_cur = limit;
        m_active = limit > 0 && setrlimit(m_resource, &lower) == 0;
    }
    ~FileSystemFault()
    {
        setrlimit(m_resource, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool active() const { return m_active; }

private:
    int m_resource;
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

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
    void damagedStoreStaysDamaged();
    void failedSaveKeepsPreviousValue_data();
    void failedSaveKeepsPreviousValue();
    void storeThroughRegistry3();
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

    {
        PortableRegistry writer(storePath());
        QCOMPARE(write(writer, kKey, "Params", "x"), 0);
    }
    PortableRegistry registry(storePath());
    RegKey key = 99;
    QCOMPARE(registry.openKey(kHkeyCurrentUser, subKey.toStdString(), &key), code);
    QCOMPARE(key != 0, code == 0);
    if (key)
        QCOMPARE(registry.closeKey(key), 0);
}

void TestRegistryPortable::dataRoundTrip_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("data");

    QByteArray everyByte;
    for (int b = 255; b >= 0; --b)
        everyByte.append(char(b));

    QTest::newRow("text and terminator") << QByteArray("Params") << QByteArray("001 064 128 \0", 13);
    QTest::newRow("no terminator") << QByteArray("Params") << QByteArray("001 064");
    QTest::newRow("CR LF at the end") << QByteArray("Params") << QByteArray("abc\r\n");
    QTest::newRow("no bytes") << QByteArray("Params") << QByteArray("");
    QTest::newRow("every byte") << QByteArray("Params") << everyByte;
    QTest::newRow("file syntax in the data") << QByteArray("Params") << QByteArray("[a]\nb=c;d,e\"f\\g@ByteArray(h)");
    QTest::newRow("blanks around") << QByteArray("Params") << QByteArray("  x  ");
    QTest::newRow("empty name") << QByteArray() << QByteArray("default");
    QTest::newRow("name with separators") << QByteArray("a/b\\c") << QByteArray("1");
    QTest::newRow("name with escapes") << QByteArray("%25%2F%") << QByteArray("2");
    QTest::newRow("name with file syntax") << QByteArray("[x] =;\"") << QByteArray("3");
    QTest::newRow("name with high bytes") << QByteArray("\xc3\xa9t\xe9") << QByteArray("4");
}

void TestRegistryPortable::dataRoundTrip()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, data);

    {
        PortableRegistry writer(storePath());
        QCOMPARE(write(writer, kKey, "Other", "neighbour"), 0);
        QCOMPARE(write(writer, kKey, name, data), 0);
    }
    PortableRegistry reader(storePath());
    qint32 code = -1;
    QCOMPARE(read(reader, kKey, name, code), data);
    QCOMPARE(code, 0);
    QCOMPARE(read(reader, kKey, "Other", code), QByteArray("neighbour"));
    QCOMPARE(read(reader, kKey, name.toUpper(), code), data);
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
    size = 77;
    QCOMPARE(registry.queryValue(key, "Missing", nullptr, &size), 2);
    // A key opened for reading refuses writes, as one opened with query access does.
    QCOMPARE(registry.setStringValue(key, "Params", "changed"), 5);
    QCOMPARE(registry.closeKey(key), 0);
    QCOMPARE(registry.closeKey(key), 6);
    QCOMPARE(registry.queryValue(key, "Params", nullptr, &size), 6);
    // Only the current user's root is kept.
    QCOMPARE(registry.openKey(0x80000002u, "Software", &key), 6);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(registry.openKeyCount(), 0);
    qint32 code = -1;
    QCOMPARE(read(registry, kKey, "Params", code), QByteArray("0123456789"));
}

void TestRegistryPortable::unusableStore_data()
{
    QTest::addColumn<QString>("obstacle"); // what stands in the store's place
    QTest::addColumn<qint32>("createCode");
    QTest::addColumn<qint32>("openCode");

    QTest::newRow("folder where the file should be") << "folder" << 1012 << 1012;
    QTest::newRow("file where the folder should be") << "file" << 1013 << 2;
    QTest::newRow("damaged file") << "damaged" << 1009 << 1009;
}

void TestRegistryPortable::unusableStore()
{
    QFETCH(QString, obstacle);
    QFETCH(qint32, createCode);
    QFETCH(qint32, openCode);

    const QString folder = QFileInfo(storePath()).absolutePath();
    if (obstacle == "folder")
        QVERIFY(QDir().mkpath(storePath()));
    else if (obstacle == "file")
        QVERIFY(writeFile(folder, "not a folder"));
    else
        QVERIFY(QDir().mkpath(folder) && writeFile(storePath(), "[HKEY_CURRENT_USER\nthis line is no entry\n"));
    const QByteArray before = fileBytes(obstacle == "file" ? folder : storePath());

    PortableRegistry registry(storePath());
    RegKey key = 0;
    quint32 disposition = 0;
    QCOMPARE(registry.createKey(kHkeyCurrentUser, kKey.toStdString(), &key, &disposition), createCode);
    QCOMPARE(key, RegKey(0));
    QCOMPARE(registry.openKey(kHkeyCurrentUser, kKey.toStdString(), &key), openCode);
    QCOMPARE(key, RegKey(0));

    std::string value = "kept";
    QVERIFY(text(Registry3::RegWriteString(registry, kHkeyCurrentUser, kKey.toStdString(), "Params", "x"))
                .startsWith(QString::number(createCode) + " Unable to create (or find) key.  "));
    QCOMPARE(text(Registry3::RegReadString(registry, kHkeyCurrentUser, kKey.toStdString(), "Params", value)),
             "1 Key not found or is empty.");
    QCOMPARE(text(value), "kept");
    QCOMPARE(fileBytes(obstacle == "file" ? folder : storePath()), before);
}

void TestRegistryPortable::damagedStoreStaysDamaged()
{
    QVERIFY(QDir().mkpath(QFileInfo(storePath()).absolutePath()));
    QVERIFY(writeFile(storePath(), "[HKEY_CURRENT_USER%5CSoftware]\nexists=true\ngarbage\n"));
    {
        PortableRegistry first(storePath());
        QCOMPARE(createAndClose(first, "Software"), 1009);
    }
    // A second look in the same run must not take the readable part for the whole.
    PortableRegistry second(storePath());
    QCOMPARE(createAndClose(second, "Software"), 1009);
    RegKey key = 0;
    QCOMPARE(second.openKey(kHkeyCurrentUser, "Software", &key), 1009);

    // Once the file is mended it is used again.
    QVERIFY(writeFile(storePath(), "[HKEY_CURRENT_USER%5CSoftware]\nexists=true\n\n"));
    quint32 disposition = 0;
    QCOMPARE(createAndClose(second, "Software", &disposition), 0);
    QCOMPARE(disposition, platform::kRegOpenedExistingKey);
}

void TestRegistryPortable::failedSaveKeepsPreviousValue_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<QByteArray>("subKey");
    QTest::addColumn<bool>("subKeyAfter"); // whether kKey\Sub exists afterwards

    const int size = FileSystemFault::FileSize;
    const int handles = FileSystemFault::FileHandles;
    const QByteArray sub = kKey + "\\Sub";
    // The small store fits in 4096 bytes, the large value does not; 16 bytes hold no store at all.
    QTest::newRow("disk full, value replaced") << size << 4096 << kKey << false;
    QTest::newRow("disk full, value added to a new key") << size << 4096 << sub << true;
    QTest::newRow("disk full, key added") << size << 16 << sub << false;
    QTest::newRow("save cut off, value replaced") << handles << 0 << kKey << false;
    QTest::newRow("save cut off, key added") << handles << 0 << sub << false;
}

void TestRegistryPortable::failedSaveKeepsPreviousValue()
{
    QFETCH(int, fault);
    QFETCH(int, sizeLimit);
    QFETCH(QByteArray, subKey);
    QFETCH(bool, subKeyAfter);

    PortableRegistry registry(storePath());
    QCOMPARE(write(registry, kKey, "Params", "old"), 0);
    const QByteArray before = fileBytes(storePath());
    const QByteArray large(20000, 'n');
    qint32 code = -1;
    {
        FileSystemFault systemFault{FileSystemFault::Kind(fault), rlim_t(sizeLimit)};
        QVERIFY(systemFault.active());
        QCOMPARE(write(registry, subKey, "Params", large), 1013);
        if (!subKeyAfter)
            QCOMPARE(fileBytes(storePath()), before);
        if (fault == FileSystemFault::FileSize) {
            // The failed change must not show while the fault lasts either.
            QCOMPARE(read(registry, kKey, "Params", code), QByteArray("old"));
            QCOMPARE(code, 0);
        }
    }
    QCOMPARE(read(registry, kKey, "Params", code), QByteArray("old"));
    QCOMPARE(QDir(QFileInfo(storePath()).absolutePath()).entryList(QDir::Files), QStringList{"registry.ini"});

    PortableRegistry later(storePath());
    QCOMPARE(read(later, kKey, "Params", code), QByteArray("old"));
    RegKey key = 0;
    QCOMPARE(later.openKey(kHkeyCurrentUser, (kKey + "\\Sub").toStdString(), &key), subKeyAfter ? 0 : 2);
    if (key)
        later.closeKey(key);
    if (subKey != kKey) {
        read(later, subKey, "Params", code);
        QCOMPARE(code, 2);
    }
    QCOMPARE(write(later, subKey, "Params", large), 0);
    QCOMPARE(read(later, subKey, "Params", code), large);
}

void TestRegistryPortable::storeThroughRegistry3()
{
    PortableRegistry registry(storePath());
    const std::string key = kKey.toStdString();
    const QString success = QStringLiteral("The operation completed successfully.\r\n");

    QCOMPARE(text(Registry3::RegWriteString(registry, kHkeyCurrentUser, key, "Params", "001 064 128 192 ")),
             "0 New key created.  " + success);
    QCOMPARE(text(Registry3::RegWriteString(registry, kHkeyCurrentUser, key, "Params", "000 005 000 255 ")),
             "0 Key already exists.  " + success);

    PortableRegistry later(storePath());
    std::string value = "before";
    QCOMPARE(text(Registry3::RegReadString(later, kHkeyCurrentUser, key, "Params", value)), "0 OK");
    QCOMPARE(text(value), "000 005 000 255 ");
    value = "before";
    QCOMPARE(text(Registry3::RegReadString(later, kHkeyCurrentUser, key, "Missing", value)), "3 Name not found.");
    QCOMPARE(text(Registry3::RegReadString(later, kHkeyCurrentUser, key + "\\Nothing", "Params", value)),
             "1 Key not found or is empty.");
    QCOMPARE(text(Registry3::RegReadString(later, kHkeyCurrentUser, key, "", value)), "2 Name not specified.");
    QCOMPARE(text(value), "before");
    QCOMPARE(registry.openKeyCount(), 0);
    QCOMPARE(later.openKeyCount(), 0);
}

// The string store's cases that hold over every registry, over this one in its own file.
void TestRegistryPortable::sharedCases_data()
{
    QTest::addColumn<int>("index");
    const auto &cases = registry3cases::cases();
    for (int i = 0; i < int(cases.size()); ++i)
        QTest::newRow(cases[i].name.c_str()) << i;
}

void TestRegistryPortable::sharedCases()
{
    QFETCH(int, index);

    PortableRegistry registry(storePath());
    const auto &testCase = registry3cases::cases()[index];
    QString failures;
    for (const std::string &failure : registry3cases::run(testCase, registry, kKey.toStdString()))
        failures += text(failure) + u'\n';
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

QTEST_GUILESS_MAIN(TestRegistryPortable)
#include "tst_registry_portable.moc"
