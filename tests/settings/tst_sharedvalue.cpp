// SPDX-License-Identifier: MIT
#include "settings/sharedvalue.h"
#include "settings/storedvalues.h"
#include "support/fakeregistry.h"

#include <QTest>

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";

std::optional<std::string> text(const QString &row)
{
    return row.isNull() ? std::nullopt : std::optional(row.toStdString());
}

} // namespace

// What a save writes of a value kept beside Params, from what this copy read, what it holds now and what
// another copy stored meanwhile.
class tst_SharedValue : public QObject
{
    Q_OBJECT

private slots:
    void toWrite_data();
    void toWrite();
    void saveWritesOnlyChangesAndTellsTheMergedList();
};

void tst_SharedValue::toWrite_data()
{
    QTest::addColumn<bool>("lines");    // a list of lines, else a state
    QTest::addColumn<QString>("known"); // as read by this copy (null: missing, which stands for "0")
    QTest::addColumn<QString>("mine");  // null: nothing to keep
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written"); // null: not written

    const QString none;
    QTest::newRow("state not changed here, changed elsewhere") << false << "1"
                                                               << "1"
                                                               << "0" << none;
    QTest::newRow("state changed here") << false << "0"
                                        << "1"
                                        << "0" << QString("1");
    QTest::newRow("state changed here and elsewhere") << false << "0"
                                                      << "1"
                                                      << "2" << QString("1");
    QTest::newRow("missing is the absent text") << false << none << "0"
                                                << "1" << none;
    QTest::newRow("nothing to keep") << false << "1" << none << "1" << none;
    QTest::newRow("list not changed here, changed elsewhere") << true << "a"
                                                              << "a\n"
                                                              << "a\nb" << none;
    QTest::newRow("list changed here only, order kept") << true << "a\nb"
                                                        << "b\na\n"
                                                        << "a\nb" << QString("b\na\n");
    QTest::newRow("added here, added elsewhere") << true << "a"
                                                 << "a\nc\n"
                                                 << "a\nb" << QString("a\nb\nc\n");
    QTest::newRow("removed here, added elsewhere") << true << "a\nb"
                                                   << "b\n"
                                                   << "a\nb\nc" << QString("b\nc\n");
    QTest::newRow("the same added on both") << true << "a"
                                            << "a\nc\n"
                                            << "a\nc" << QString("a\nc\n");
    QTest::newRow("removed elsewhere stays removed") << true << "a\nb"
                                                     << "a\nb\nc\n"
                                                     << "b" << QString("b\nc\n");
    QTest::newRow("added here, all removed elsewhere") << true << "a"
                                                       << "a\nc\n"
                                                       << none << QString("c\n");
}

void tst_SharedValue::toWrite()
{
    QFETCH(bool, lines);
    QFETCH(QString, known);
    QFETCH(QString, mine);
    QFETCH(QString, stored);
    QFETCH(QString, written);

    FakeRegistry registry;
    if (!known.isNull())
        registry.keys[kKey]["Value"] = known.toUtf8() + '\0';
    SharedValue value("Value", lines ? SharedValue::Merge::Lines : SharedValue::Merge::Replace,
                      lines ? "" : "0");
    value.read(&registry);
    value.current = [&mine] { return text(mine); };
    QCOMPARE(value.toWrite(text(stored)), text(written));
}

// Params and the values this copy changed go in one save; a list merged with another copy's is told back.
void tst_SharedValue::saveWritesOnlyChangesAndTellsTheMergedList()
{
    FakeRegistry registry;
    registry.keys[kKey] = {{"Params", "old"}, {"State", "0"}, {"List", QByteArray("a\n\0", 3)}};
    SharedValue state("State", SharedValue::Merge::Replace, "0");
    SharedValue list("List", SharedValue::Merge::Lines);
    state.read(&registry);
    list.read(&registry);
    std::string mine = "a\nb\n";
    std::string adopted;
    state.current = [] { return "0"; };
    list.current = [&mine] { return mine; };
    list.adopt = [&](const std::string &text) { adopted = mine = text; };
    registry.keys[kKey]["State"] = "1";
    registry.keys[kKey]["List"] = QByteArray("a\nc\n\0", 5);

    QVERIFY(storedvalues::save(&registry, {{"Params", "new"}}, {&state, &list}).starts_with("0 "));
    QCOMPARE(registry.keys[kKey]["Params"], QByteArray("new\0", 4));
    QCOMPARE(registry.keys[kKey]["State"], QByteArray("1"));
    QCOMPARE(registry.keys[kKey]["List"], QByteArray("a\nc\nb\n\0", 7));
    QCOMPARE(adopted, "a\nc\nb\n");
    // What was saved is now known: a second save writes nothing of it, even after another change elsewhere.
    registry.keys[kKey]["List"] = "x";
    QVERIFY(storedvalues::save(&registry, {}, {&state, &list}).starts_with("0 "));
    QCOMPARE(registry.keys[kKey]["List"], QByteArray("x"));
}

QTEST_GUILESS_MAIN(tst_SharedValue)
#include "tst_sharedvalue.moc"
