// SPDX-License-Identifier: MIT
#include "settings/registry3.h"

#include "support/fakeregistry.h"

#include <QTest>

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";
const QString kSuccess = QStringLiteral("The operation completed successfully.\r\n");
const QByteArray kGermanSuccess = "Der Vorgang wurde erfolgreich beendet.\r\n";

} // namespace

class tst_Registry3 : public QObject
{
    Q_OBJECT

private slots:
    void writeString_data();
    void writeString();
    void readString_data();
    void readString();
};

void tst_Registry3::writeString_data()
{
    QTest::addColumn<qint32>("createFailure");
    QTest::addColumn<qint32>("writeFailure");
    QTest::addColumn<quint32>("disposition"); // 0: the true one
    QTest::addColumn<QString>("status");
    QTest::addColumn<QByteArray>("stored"); // what Params holds afterwards; "old" before

    const QByteArray written("x\0", 2);
    QTest::newRow("existing key, terminator added")
        << 0 << 0 << 0u << "0 Key already exists.  " + kSuccess << written;
    QTest::newRow("neither disposition") << 0 << 0 << 7u << "0 Key anomaly.  " + kSuccess << written;
    QTest::newRow("key refused")
        << 1013 << 0 << 0u
        << "1013 Unable to create (or find) key.  The configuration registry key could not be written.\r\n"
        << QByteArray("old");
    QTest::newRow("value refused keeps the old value")
        << 0 << 1013 << 0u
        << "1013 Unable to write value.  The configuration registry key could not be written.\r\n"
        << QByteArray("old");
}

void tst_Registry3::writeString()
{
    QFETCH(qint32, createFailure);
    QFETCH(qint32, writeFailure);
    QFETCH(quint32, disposition);
    QFETCH(QString, status);
    QFETCH(QByteArray, stored);

    FakeRegistry registry;
    registry.keys[kKey]["Params"] = "old";
    registry.createFailure = createFailure;
    registry.writeFailure = writeFailure;
    registry.forcedDisposition = disposition;

    QCOMPARE(QString::fromStdString(Registry3::RegWriteString(registry, platform::kHkeyCurrentUser,
                                                              kKey.toStdString(), "Params", "x")),
             status);
    QCOMPARE(registry.keys.value(kKey).value("Params"), stored);
    QCOMPARE(registry.openKeyCount(), 0);
}

void tst_Registry3::readString_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<qint32>("openFailure");
    QTest::addColumn<qint32>("readFailure");
    QTest::addColumn<int>("growths");
    QTest::addColumn<QByteArray>("successText"); // the system's text for code 0; null: English
    QTest::addColumn<QStringList>("result");     // status, then the caller's text, which starts as "before"

    const QByteArray english;
    const QByteArray x("x");
    QTest::newRow("control characters only")
        << QByteArray("\r\n\0", 3) << 0 << 0 << 0 << english << QStringList{"0 OK", ""};
    QTest::newRow("open fails otherwise")
        << x << 5 << 0 << 0 << english << QStringList{"1 Key not found or is empty.", "before"};
    QTest::newRow("read refused") << x << 0 << 5 << 0 << english
                                  << QStringList{"4 Access is denied.\r\n", ""};
    QTest::newRow("read says not found")
        << x << 0 << 2 << 0 << english << QStringList{"3 Name not found.", ""};
    // Another program saves a longer value between the size and the data: it is read at its new size.
    QTest::newRow("grown once") << x << 0 << 0 << 1 << english << QStringList{"0 OK", "x+"};
    QTest::newRow("growing at every read")
        << x << 0 << 0 << 99 << english << QStringList{"4 More data is available.\r\n", ""};
    QTest::newRow("German") << QByteArray("abc\0", 4) << 0 << 0 << 0 << kGermanSuccess
                            << QStringList{"0 OK probably", "abc"};
}

void tst_Registry3::readString()
{
    QFETCH(QByteArray, stored);
    QFETCH(qint32, openFailure);
    QFETCH(qint32, readFailure);
    QFETCH(int, growths);
    QFETCH(QByteArray, successText);
    QFETCH(QStringList, result);

    FakeRegistry registry;
    registry.keys[kKey]["Params"] = stored;
    registry.openFailure = openFailure;
    registry.readFailure = readFailure;
    registry.growths = growths;
    if (!successText.isNull())
        registry.messages.insert(0, successText);

    std::string text = "before";
    QCOMPARE(QString::fromStdString(Registry3::RegReadString(registry, platform::kHkeyCurrentUser,
                                                             kKey.toStdString(), "Params", text)),
             result[0]);
    QCOMPARE(QString::fromStdString(text), result[1]);
    QCOMPARE(registry.openKeyCount(), 0);
}

QTEST_GUILESS_MAIN(tst_Registry3)
#include "tst_registry3.moc"
