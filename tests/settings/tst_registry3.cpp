#include "settings/registry3.h"

#include "registry3cases.h"
#include "support/fakeregistry.h"

#include <QTest>

namespace {

const QString kKey = QStringLiteral("Software\\Quenby Systems\\TVK");
const QByteArray kKeyBytes = "Software\\Quenby Systems\\TVK";
const QString kSuccess = QStringLiteral("The operation completed successfully.\r\n");

} // namespace

class TestRegistry3 : public QObject
{
    Q_OBJECT

private slots:
    void writeString_data();
    void writeString();
    void readString_data();
    void readString();
    void sharedCases_data();
    void sharedCases();
};

void TestRegistry3::writeString_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::addColumn<qint32>("createFailure");
    QTest::addColumn<qint32>("writeFailure");
    QTest::addColumn<quint32>("disposition"); // 0: the true one
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("stored"); // what the value holds afterwards; null when absent

    QTest::newRow("new key") << false << 0 << 0 << 0u << "001 064 " << "0 New key created.  " + kSuccess
                             << QByteArray("001 064 \0", 9);
    QTest::newRow("existing key") << true << 0 << 0 << 0u << "x" << "0 Key already exists.  " + kSuccess
                                  << QByteArray("x\0", 2);
    QTest::newRow("neither disposition") << false << 0 << 0 << 7u << "x" << "0 Key anomaly.  " + kSuccess
                                         << QByteArray("x\0", 2);
    QTest::newRow("empty text keeps its terminator")
        << false << 0 << 0 << 0u << "" << "0 New key created.  " + kSuccess << QByteArray("\0", 1);
    QTest::newRow("key refused") << false << 5 << 0 << 0u << "x"
                                 << "5 Unable to create (or find) key.  Access is denied.\r\n" << QByteArray();
    QTest::newRow("key refused without a system text")
        << false << 1234 << 0 << 0u << "x" << "1234 Unable to create (or find) key.  " << QByteArray();
    QTest::newRow("value refused on a new key") << false << 0 << 5 << 0u << "x"
                                                << "5 Unable to write value.  Access is denied.\r\n" << QByteArray();
    QTest::newRow("value refused keeps the old value")
        << true << 0 << 1013 << 0u << "x"
        << "1013 Unable to write value.  The configuration registry key could not be written.\r\n"
        << QByteArray("old\0", 4);
}

void TestRegistry3::writeString()
{
    QFETCH(bool, keyExists);
    QFETCH(qint32, createFailure);
    QFETCH(qint32, writeFailure);
    QFETCH(quint32, disposition);
    QFETCH(QString, value);
    QFETCH(QString, status);
    QFETCH(QByteArray, stored);

    FakeRegistry registry;
    if (keyExists)
        registry.keys[kKeyBytes]["Params"] = QByteArray("old\0", 4);
    registry.createFailure = createFailure;
    registry.writeFailure = writeFailure;
    registry.forcedDisposition = disposition;

    QCOMPARE(QString::fromStdString(Registry3::RegWriteString(registry, platform::kHkeyCurrentUser,
                                                              kKey.toStdString(), "Params", value.toStdString())),
             status);
    QCOMPARE(registry.keys.value(kKeyBytes).value("Params"), stored);
    QCOMPARE(registry.keys.value(kKeyBytes).contains("Params"), !stored.isNull());
    QCOMPARE(registry.openKeyCount(), 0);
}

void TestRegistry3::readString_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("stored"); // null: no such value (the key exists)
    QTest::addColumn<qint32>("openFailure");
    QTest::addColumn<qint32>("readFailure");
    QTest::addColumn<QByteArray>("successText"); // another system's text for code 0; null: English
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("value"); // the caller's text starts as "before"

    const QByteArray none;
    const QString before = QStringLiteral("before");
    QTest::newRow("nothing but control characters")
        << kKey << "Params" << QByteArray("\r\n\0", 3) << 0 << 0 << none << "0 OK" << "";
    QTest::newRow("zero in the middle ends nothing")
        << kKey << "Params" << QByteArray("ab\0cd\0", 6) << 0 << 0 << none << "0 OK" << QString::fromLatin1("ab\0cd", 5);
    QTest::newRow("key cannot be opened") << kKey << "Params" << QByteArray("x") << 5 << 0 << none
                                          << "1 Key not found or is empty." << before;
    QTest::newRow("read refused") << kKey << "Params" << QByteArray("x") << 0 << 5 << none
                                  << "4 Access is denied.\r\n" << "";
    QTest::newRow("read says not found") << kKey << "Params" << QByteArray("x") << 0 << 2 << none
                                         << "3 Name not found." << "";
    QTest::newRow("read fails without a system text")
        << kKey << "Params" << QByteArray("x") << 0 << 1234 << none << "4 " << "";
    QTest::newRow("another language") << kKey << "Params" << QByteArray("abc\0", 4) << 0 << 0
                                      << QByteArray("Der Vorgang wurde erfolgreich beendet.\r\n") << "0 OK probably"
                                      << "abc";
    QTest::newRow("another language, empty text")
        << kKey << "Params" << QByteArray("\0", 1) << 0 << 0
        << QByteArray("Der Vorgang wurde erfolgreich beendet.\r\n")
        << "4 Der Vorgang wurde erfolgreich beendet.\r\n" << "";
}

void TestRegistry3::readString()
{
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(QByteArray, stored);
    QFETCH(qint32, openFailure);
    QFETCH(qint32, readFailure);
    QFETCH(QByteArray, successText);
    QFETCH(QString, status);
    QFETCH(QString, value);

    FakeRegistry registry;
    registry.keys[kKeyBytes];
    if (!stored.isNull())
        registry.keys[kKeyBytes]["Params"] = stored;
    registry.openFailure = openFailure;
    registry.readFailure = readFailure;
    if (!successText.isNull())
        registry.messages.insert(0, successText);

    std::string text = "before";
    QCOMPARE(QString::fromStdString(Registry3::RegReadString(registry, platform::kHkeyCurrentUser, key.toStdString(),
                                                             name.toStdString(), text)),
             status);
    QCOMPARE(QString::fromStdString(text), value);
    QCOMPARE(registry.openKeyCount(), 0);
}

// The cases that hold over every registry, here over the double (the system's registry has its own runs).
void TestRegistry3::sharedCases_data()
{
    QTest::addColumn<int>("index");
    const auto &cases = registry3cases::cases();
    for (int i = 0; i < int(cases.size()); ++i)
        QTest::newRow(cases[i].name.c_str()) << i;
}

void TestRegistry3::sharedCases()
{
    QFETCH(int, index);

    FakeRegistry registry;
    const auto &testCase = registry3cases::cases()[index];
    std::string failures;
    for (const std::string &failure : registry3cases::run(testCase, registry, kKeyBytes.toStdString()))
        failures += failure + '\n';
    QVERIFY2(failures.empty(), failures.c_str());
}

QTEST_GUILESS_MAIN(TestRegistry3)
#include "tst_registry3.moc"
