// SPDX-License-Identifier: MIT
#include "store/inidocument.h"

#include <QTest>

using platform::IniDocument;

// The store's file as a document: a change rewrites only the value it sets, everything else stays byte for
// byte; what a value reads as, and what the document refuses to read.
class tst_IniDocument : public QObject
{
    Q_OBJECT

private slots:
    void setValue_data();
    void setValue();
    void value_data();
    void value();
    void damage_data();
    void damage();
};

void tst_IniDocument::setValue_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key"); // in the section TVK
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("comments, other sections and spacing kept")
        << QByteArray("; mine\n[Other]\nParams=1\n\n[TVK]\nParams = old  ; why\n# end\n") << "Params"
        << QByteArray("new")
        << QByteArray("; mine\n[Other]\nParams=1\n\n[TVK]\nParams = @ByteArray(new)  ; why\n# end\n");
    QTest::newRow("CR LF kept, also for a new entry")
        << QByteArray("[TVK]\r\nA=1\r\n") << "B" << QByteArray("x")
        << QByteArray("[TVK]\r\nA=1\r\nB=@ByteArray(x)\r\n");
    QTest::newRow("last line without its end")
        << QByteArray("[TVK]\nA=1") << "B" << QByteArray("x") << QByteArray("[TVK]\nA=1\nB=@ByteArray(x)\n");
    QTest::newRow("bytes of another encoding elsewhere kept")
        << QByteArray("[Other]\nName=caf\xe9\n[TVK]\nA=\xff\xfe\n") << "A" << QByteArray("1")
        << QByteArray("[Other]\nName=caf\xe9\n[TVK]\nA=@ByteArray(1)\n");
    QTest::newRow("names without regard to ASCII case")
        << QByteArray("[tvk]\nPARAMS=old\n") << "Params" << QByteArray("new")
        << QByteArray("[tvk]\nPARAMS=@ByteArray(new)\n");
    QTest::newRow("new section after a blank line")
        << QByteArray("[Other]\nA=1\n") << "Params" << QByteArray("new")
        << QByteArray("[Other]\nA=1\n\n[TVK]\nParams=@ByteArray(new)\n");
    QTest::newRow("separators quoted, controls escaped")
        << QByteArray("[TVK]\n") << "A" << QByteArray("a;b\n\0", 5)
        << QByteArray("[TVK]\nA=\"@ByteArray(a;b\\n\\0)\"\n");
    QTest::newRow("a digit after a numeric escape escaped too")
        << QByteArray("[TVK]\n") << "A"
        << QByteArray("\x01"
                      "2\xe9")
        << QByteArray("[TVK]\nA=@ByteArray(\\x1\\x32\\xe9)\n");
    QTest::newRow("key of a slash, a blank and a non-ASCII letter")
        << QByteArray("[TVK]\n") << QString::fromUtf8("a/b \xc3\xa9") << QByteArray("1")
        << QByteArray("[TVK]\na\\b%20%E9=@ByteArray(1)\n");
}

void tst_IniDocument::setValue()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, after);

    IniDocument document(before);
    int section = document.section(QStringLiteral("TVK"));
    if (section < 0)
        section = document.addSection(QStringLiteral("TVK"));
    document.setValue(section, key, data);
    QCOMPARE(document.bytes(), after);
    // What was written reads back as it was given, from the file's bytes.
    const IniDocument reread(document.bytes());
    const int line = reread.entry(reread.section(QStringLiteral("TVK")), key);
    QVERIFY(line >= 0);
    QCOMPARE(reread.value(line), std::optional(data));
}

void tst_IniDocument::value_data()
{
    QTest::addColumn<QByteArray>("entries"); // of the section TVK; the value of A is read
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("byte array") << QByteArray("A=@ByteArray(a\\0b)") << true << QByteArray("a\0b", 3);
    QTest::newRow("text, its comment dropped")
        << QByteArray("A = plain text ; note") << true << QByteArray("plain text");
    QTest::newRow("quoted comma") << QByteArray("A=\"x, y\"") << true << QByteArray("x, y");
    QTest::newRow("leading @ escaped") << QByteArray("A=@@at") << true << QByteArray("@at");
    QTest::newRow("UTF-8 text") << QByteArray("A=caf\xc3\xa9") << true << QByteArray("caf\xc3\xa9");
    QTest::newRow("Latin-1 text as its letters")
        << QByteArray("A=caf\xe9") << true << QByteArray("caf\xc3\xa9");
    QTest::newRow("a list") << QByteArray("A=x, y") << false << QByteArray();
    QTest::newRow("open quote") << QByteArray("A=\"x") << false << QByteArray();
    QTest::newRow("broken escape") << QByteArray("A=x\\q") << false << QByteArray();
    QTest::newRow("another type") << QByteArray("A=@Variant(x)") << false << QByteArray();
    QTest::newRow("byte array of a wide character")
        << QByteArray("A=@ByteArray(\\x100)") << false << QByteArray();
    QTest::newRow("key given twice") << QByteArray("A=1\na=2") << false << QByteArray();
}

void tst_IniDocument::value()
{
    QFETCH(QByteArray, entries);
    QFETCH(bool, readable);
    QFETCH(QByteArray, data);

    const IniDocument document("[TVK]\n" + entries + '\n');
    const int line = document.entry(document.section(QStringLiteral("TVK")), QStringLiteral("A"));
    QVERIFY(line >= 0);
    QCOMPARE(document.value(line), readable ? std::optional(data) : std::nullopt);
}

void tst_IniDocument::damage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("damaged");        // the whole file
    QTest::addColumn<bool>("sectionDamaged"); // the section TVK

    QTest::newRow("sound") << QByteArray("[TVK]\nA=1\n\n; note\n") << false << false;
    QTest::newRow("header without its bracket") << QByteArray("[Other\nA=1\n[TVK]\nA=1\n") << true << false;
    QTest::newRow("a line that names no key") << QByteArray("[TVK]\nA=1\nnonsense\n") << false << true;
    QTest::newRow("section given twice") << QByteArray("[TVK]\nA=1\n[tvk]\nB=2\n") << false << true;
}

void tst_IniDocument::damage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, damaged);
    QFETCH(bool, sectionDamaged);

    const IniDocument document(bytes);
    QCOMPARE(document.damaged(), damaged);
    QCOMPARE(document.sectionDamaged(document.section(QStringLiteral("TVK"))), sectionDamaged);
}

QTEST_GUILESS_MAIN(tst_IniDocument)
#include "tst_inidocument.moc"
