// SPDX-License-Identifier: MIT
#include "pairs/pairlist.h"
#include "pairs/pairnames.h"
#include "pairs/pairstore.h"

#include <QTest>

namespace {

NamedPair pair(const QString &name, QRgb background = 0xFF4080C0u, QRgb foreground = 0xFFE0E0E0u)
{
    return {name, {background, 1}, {foreground, 2}};
}

PairList listOf(const QStringList &names)
{
    NamedPairs pairs;
    for (const QString &name : names)
        pairs << pair(name);
    return PairList(pairs);
}

} // namespace

// The list of pairs, the rules for their names and their stored text, without any window.
class tst_PairList : public QObject
{
    Q_OBJECT

private slots:
    void cleanedName_data();
    void cleanedName();
    void nextFreeName_data();
    void nextFreeName();
    void exportNames_data();
    void exportNames();
    void edits_data();
    void edits();
    void appendNamesWhatHasNoName();
    void filter_data();
    void filter();
    void storedText();
    void readsStoredText_data();
    void readsStoredText();
    void everyShortStoredText();
};

void tst_PairList::cleanedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("blanks around") << "  Body text \t"
                                   << "Body text";
    QTest::newRow("blanks inside stay") << "Body  text"
                                        << "Body  text";
    QTest::newRow("tab and line ends inside") << "a\tb\r\nc"
                                              << "a b  c";
    QTest::newRow("only blanks") << " \t\n "
                                 << "";
    QTest::newRow("other scripts") << QString::fromUtf8("Überschrift \xe2\x80\x94 \xe6\xa8\x99\xe9\xa1\x8c")
                                   << QString::fromUtf8("Überschrift \xe2\x80\x94 \xe6\xa8\x99\xe9\xa1\x8c");
    QTest::newRow("100 characters") << QString(100, u'x') << QString(100, u'x');
    QTest::newRow("101 characters") << QString(101, u'x') << QString(100, u'x');
    // U+1F3A8 takes two UTF-16 units, the 100th and 101st: it goes whole.
    QTest::newRow("no half character at the cut")
        << QString(99, u'x') + QString::fromUtf8("\xf0\x9f\x8e\xa8") << QString(99, u'x');
    QTest::newRow("blank before the cut") << QString(99, u'x') + QStringLiteral(" yz") << QString(99, u'x');
}

void tst_PairList::cleanedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(pairnames::cleaned(typed), kept);
}

void tst_PairList::nextFreeName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("next");

    QTest::newRow("empty list") << QStringList{} << "Pair 1";
    QTest::newRow("after the last") << QStringList{"Pair 1", "Pair 2"} << "Pair 3";
    QTest::newRow("the gap first") << QStringList{"Pair 3", "Pair 1"} << "Pair 2";
    QTest::newRow("renamed pairs do not count") << QStringList{"Links", "Body"} << "Pair 1";
    QTest::newRow("only the exact form counts")
        << QStringList{"Pair 01", "pair 1", "Pair 1 ", "Pair +1", "Pair 1x", "Pair", "Pair 0"} << "Pair 1";
    QTest::newRow("large numbers") << QStringList{"Pair 1", "Pair 99999999999"} << "Pair 2";
}

void tst_PairList::nextFreeName()
{
    QFETCH(QStringList, names);
    QFETCH(QString, next);
    QCOMPARE(pairnames::nextFreeName(names), next);
}

void tst_PairList::exportNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("exported");

    QTest::newRow("lower case, blanks as -") << QStringList{"Body Text"} << QStringList{"body-text"};
    QTest::newRow("runs of others as one -, none at the ends")
        << QStringList{"  **Links** (visited)!"} << QStringList{"links-visited"};
    QTest::newRow("letters beyond a-z are others")
        << QStringList{QString::fromUtf8("Café Ünter")} << QStringList{"caf-nter"};
    QTest::newRow("digits stay") << QStringList{"H1 2024"} << QStringList{"h1-2024"};
    QTest::newRow("nothing left") << QStringList{"***", QString::fromUtf8("\xe6\xa8\x99")}
                                  << QStringList{"pair", "pair-2"};
    QTest::newRow("taken names get the next free number")
        << QStringList{"Links", "links", "LINKS!"} << QStringList{"links", "links-2", "links-3"};
    QTest::newRow("a number already taken by a name")
        << QStringList{"a", "a 2", "a"} << QStringList{"a", "a-2", "a-3"};
    QTest::newRow("a name that is a made one")
        << QStringList{"a", "a", "a-2"} << QStringList{"a", "a-2", "a-2-2"};
    QTest::newRow("numbers skip the taken ones, each once")
        << QStringList{"a", "a 3", "a", "a", "a"} << QStringList{"a", "a-3", "a-2", "a-4", "a-5"};
}

void tst_PairList::exportNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, exported);
    QCOMPARE(pairnames::exportNames(names), exported);
}

void tst_PairList::edits_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QStringList>("names");

    // Each edit starts from the list "A", "B", "C".
    QTest::newRow("rename, trimmed") << "rename 1   New name  " << true << QStringList{"A", "New name", "C"};
    QTest::newRow("rename to blanks") << "rename 1  " << false << QStringList{"A", "B", "C"};
    QTest::newRow("rename to the same") << "rename 1 B" << false << QStringList{"A", "B", "C"};
    QTest::newRow("rename past the end") << "rename 3 D" << false << QStringList{"A", "B", "C"};
    QTest::newRow("move up") << "move 1 -1" << true << QStringList{"B", "A", "C"};
    QTest::newRow("move down") << "move 1 1" << true << QStringList{"A", "C", "B"};
    QTest::newRow("move the first up") << "move 0 -1" << false << QStringList{"A", "B", "C"};
    QTest::newRow("move the last down") << "move 2 1" << false << QStringList{"A", "B", "C"};
    QTest::newRow("move by two") << "move 0 2" << false << QStringList{"A", "B", "C"};
    QTest::newRow("remove") << "remove 1" << true << QStringList{"A", "C"};
    QTest::newRow("remove past the end") << "remove 3" << false << QStringList{"A", "B", "C"};
    QTest::newRow("remove before the start") << "remove -1" << false << QStringList{"A", "B", "C"};
}

void tst_PairList::edits()
{
    QFETCH(QString, edit);
    QFETCH(bool, changed);
    QFETCH(QStringList, names);

    PairList list = listOf({"A", "B", "C"});
    const QStringList words = edit.split(u' ');
    const qsizetype row = words[1].toLongLong();
    bool result = false;
    if (words[0] == u"rename")
        result = list.rename(row, edit.section(u' ', 2));
    else if (words[0] == u"move")
        result = list.move(row, words[2].toInt());
    else
        result = list.remove(row);
    QCOMPARE(result, changed);
    QCOMPARE(list.names(), names);
}

// Added and imported pairs without a name of their own take "Pair N", each the next after those before.
void tst_PairList::appendNamesWhatHasNoName()
{
    PairList list = listOf({"Pair 1", "Links"});
    QCOMPARE(list.add({0xFF010203u, 0}, {0xFF040506u, 2}), 2);
    QCOMPARE(list.at(2), (NamedPair{"Pair 2", {0xFF010203u, 0}, {0xFF040506u, 2}}));
    list.append({pair(" "), pair("  Body \t"), pair("Pair 4"), pair(""), pair(QString(120, u'y'))});
    QCOMPARE(list.names(), (QStringList{"Pair 1", "Links", "Pair 2", "Pair 3", "Body", "Pair 4", "Pair 5",
                                        QString(100, u'y')}));
}

void tst_PairList::filter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QList<qsizetype>>("rows");

    QTest::newRow("empty shows all") << "" << QList<qsizetype>{0, 1, 2, 3};
    QTest::newRow("any case, anywhere in the name") << "LINK" << QList<qsizetype>{1, 3};
    QTest::newRow("blank inside") << "d l" << QList<qsizetype>{3};
    QTest::newRow("none") << "zz" << QList<qsizetype>{};
    QTest::newRow("other scripts without case") << QString::fromUtf8("ÜBER") << QList<qsizetype>{2};
}

void tst_PairList::filter()
{
    QFETCH(QString, filter);
    QFETCH(QList<qsizetype>, rows);
    QCOMPARE(
        listOf({"Body text", "Links", QString::fromUtf8("Überschrift"), "Visited link"}).matching(filter),
        rows);
}

void tst_PairList::storedText()
{
    const NamedPairs pairs{
        {"Body text", {0xFF4080C0u, 1}, {0xFFE0E0E0u, 2}},
        {QString::fromUtf8("Back\\slash \xc3\xa9 \xf0\x9f\x8e\xa8"), {0xFF000000u, 0}, {0xFFFFFFFFu, 0}}};
    const std::string text = pairstore::write(pairs);
    QCOMPARE(QByteArray::fromStdString(text),
             QByteArray("4080c0 1 e0e0e0 2 Body text\n"
                        "000000 0 ffffff 0 Back\\u005cslash \\u00e9 \\ud83c\\udfa8\n"));
    QCOMPARE(pairstore::read(text), pairs);
    QCOMPARE(pairstore::read(""), NamedPairs());
    // What no version of the list reads is kept by an edit as it was, blank lines aside.
    QCOMPARE(pairstore::unreadLines("x\n4080c0 1 e0e0e0 2 A\n\r\n\n4080c0 9 e0e0e0 2 B\r\n"),
             "x\n4080c0 9 e0e0e0 2 B\r\n");
}

void tst_PairList::readsStoredText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("no line end at the end, as the store gives it back")
        << QByteArray("4080c0 1 e0e0e0 2 A\n4080C0 1 E0E0E0 2 B") << QStringList{"A", "B"};
    QTest::newRow("CR LF") << QByteArray("4080c0 1 e0e0e0 2 A\r\n4080c0 1 e0e0e0 2 B\r\n")
                           << QStringList{"A", "B"};
    QTest::newRow("empty lines") << QByteArray("\n\n4080c0 1 e0e0e0 2 A\n\n") << QStringList{"A"};
    QTest::newRow("a short colour") << QByteArray("4080c 1 e0e0e0 2 A\n4080c0 1 e0e0e0 2 B")
                                    << QStringList{"B"};
    QTest::newRow("not hexadecimal") << QByteArray("4080g0 1 e0e0e0 2 A") << QStringList{};
    QTest::newRow("base channel 3") << QByteArray("4080c0 3 e0e0e0 2 A") << QStringList{};
    QTest::newRow("foreground base channel missing") << QByteArray("4080c0 1 e0e0e0  A") << QStringList{};
    QTest::newRow("two blanks") << QByteArray("4080c0  1 e0e0e0 2 A") << QStringList{};
    QTest::newRow("no name") << QByteArray("4080c0 1 e0e0e0 2 \n4080c0 1 e0e0e0 2") << QStringList{};
    QTest::newRow("a blank name") << QByteArray("4080c0 1 e0e0e0 2    ") << QStringList{};
    QTest::newRow("a cut escape") << QByteArray("4080c0 1 e0e0e0 2 A\\u00e") << QStringList{};
    QTest::newRow("an escape of another letter") << QByteArray("4080c0 1 e0e0e0 2 A\\x41") << QStringList{};
    QTest::newRow("a byte outside ASCII") << QByteArray("4080c0 1 e0e0e0 2 A\xc3\xa9") << QStringList{};
    QTest::newRow("a tab") << QByteArray("4080c0 1 e0e0e0 2 A\tB") << QStringList{};
    QTest::newRow("escaped tab and blanks, cleaned")
        << QByteArray("4080c0 1 e0e0e0 2 \\u0009 A\\u0009B ") << QStringList{"A B"};
    QTest::newRow("a name too long, cut")
        << QByteArray("4080c0 1 e0e0e0 2 ") + QByteArray(150, 'n') << QStringList{QString(100, u'n')};
}

void tst_PairList::readsStoredText()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, names);
    QCOMPARE(PairList(pairstore::read(text.toStdString())).names(), names);
}

// Every text of up to five characters from the pieces of a stored line reads without fault, and what it
// reads is stored and read back the same.
void tst_PairList::everyShortStoredText()
{
    const std::vector<std::string> pieces{"0", "a", " ", "1", "\\u", "\n", "\r", "g", "000000 1 ", "\xc3"};
    std::vector<std::string> texts{""};
    for (int length = 0; length < 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string &text : texts) {
            for (const std::string &piece : pieces)
                longer.push_back(text + piece);
        }
        for (const std::string &text : longer) {
            const NamedPairs read = pairstore::read(text);
            const std::string kept = pairstore::unreadLines(text);
            const std::string rewritten = pairstore::write(read) + kept;
            QCOMPARE(pairstore::read(rewritten), read);
            QCOMPARE(pairstore::unreadLines(rewritten), kept);
        }
        texts = std::move(longer);
    }
}

QTEST_APPLESS_MAIN(tst_PairList)
#include "tst_pairlist.moc"
