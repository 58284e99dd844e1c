// SPDX-License-Identifier: MIT
#include "model/colorpair.h"

#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(PairState)

namespace {

// "12" is a pair whose background has red 12, with the background edited; "w12" the same colours with
// the foreground edited.
PairState state(const QString &token)
{
    PairState s;
    s.edited = token.startsWith(u'w') ? 1 : 0;
    s.colors[0] = {qRgb(token.mid(s.edited).toInt(), 0, 0), 1};
    s.colors[1] = {qRgb(224, 224, 224), 2};
    return s;
}

QString token(const PairState &s)
{
    return (s.edited ? QStringLiteral("w") : QString()) + QString::number(qRed(s.colors[0].rgb));
}

// The changes a spy heard, one string per signal: "b" background, "f" foreground, "c" base channel,
// "e" which is edited, "p" preview.
QStringList heard(const QSignalSpy &spy)
{
    QStringList all;
    for (const QList<QVariant> &signal : spy) {
        const auto what = signal.at(0).value<ColorPair::Changes>();
        QString s;
        for (const auto &[flag, letter] : {std::pair(ColorPair::Background, u'b'),
                                           {ColorPair::Foreground, u'f'},
                                           {ColorPair::BaseChannel, u'c'},
                                           {ColorPair::Edited, u'e'},
                                           {ColorPair::Preview, u'p'}})
            if (what.testFlag(flag))
                s += letter;
        all << s;
    }
    return all;
}

} // namespace

class tst_ColorPair : public QObject
{
    Q_OBJECT

private slots:
    void history_data();
    void history();
    void oldestStepsAreDropped();
    void changesAreTold_data();
    void changesAreTold();
    void stepMakesOneChangeAndOneUndo();
    void listenersJoinTheStep();
    void previewIsShownForTheEditedColourOnly();
};

void tst_ColorPair::history_data()
{
    // The actions, a state for a change to it, "u" undo, "r" redo; then the state after each, from state 0.
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("undo and redo") << QStringList{"1 2 u u r r", "1 2 1 0 1 2"};
    QTest::newRow("nothing to redo") << QStringList{"1 2 r u r r", "1 2 2 1 2 2"};
    QTest::newRow("a change clears redo") << QStringList{"1 2 u 3 r u", "1 2 1 3 3 1"};
    QTest::newRow("no change, no step") << QStringList{"1 1 u u", "1 1 0 0"};
    QTest::newRow("switching colour is a step") << QStringList{"1 w1 u", "1 w1 1"};
}

void tst_ColorPair::history()
{
    QFETCH(QStringList, steps);

    ColorPair pair;
    pair.setState(state("0"));
    pair.clearHistory();
    QStringList seen;
    for (const QString &action : steps[0].split(u' ')) {
        if (action == u"u")
            pair.undo();
        else if (action == u"r")
            pair.redo();
        else
            pair.setState(state(action));
        seen.append(token(pair.state()));
    }
    QCOMPARE(seen.join(u' '), steps[1]);
}

void tst_ColorPair::oldestStepsAreDropped()
{
    ColorPair pair;
    for (int i = 0; i <= 150; ++i)
        pair.setState(state(QString::number(i)));
    int undone = 0;
    while (pair.canUndo()) {
        pair.undo();
        ++undone;
    }
    QCOMPARE(undone, 100);
    QCOMPARE(token(pair.state()), QStringLiteral("50"));
}

void tst_ColorPair::changesAreTold_data()
{
    QTest::addColumn<PairState>("next");
    QTest::addColumn<QStringList>("told");

    const PairState start = state("5");
    PairState background = start, foreground = start, channel = start, edited = start, both = start;
    background.colors[0].rgb = qRgb(6, 0, 0);
    foreground.colors[1].rgb = qRgb(1, 2, 3);
    channel.colors[1].baseChannel = 0;
    edited.edited = 1;
    both.colors[0].rgb = qRgb(1, 1, 1);
    both.colors[1] = {qRgb(2, 2, 2), 0};
    QTest::newRow("nothing changed") << start << QStringList{};
    QTest::newRow("alpha is not a change")
        << PairState{{{{qRgba(5, 0, 0, 0), 1}, start.colors[1]}}, 0} << QStringList{};
    QTest::newRow("background") << background << QStringList{"b"};
    QTest::newRow("foreground") << foreground << QStringList{"f"};
    QTest::newRow("base channel") << channel << QStringList{"c"};
    QTest::newRow("edited colour") << edited << QStringList{"e"};
    QTest::newRow("both colours and a channel at once") << both << QStringList{"bfc"};
}

void tst_ColorPair::changesAreTold()
{
    QFETCH(PairState, next);
    QFETCH(QStringList, told);
    ColorPair pair;
    pair.setState(state("5"));
    pair.clearHistory();
    QSignalSpy spy(&pair, &ColorPair::changed);
    pair.setState(next);
    QCOMPARE(heard(spy), told);
    QCOMPARE(pair.canUndo(), !told.isEmpty());
}

void tst_ColorPair::stepMakesOneChangeAndOneUndo()
{
    ColorPair pair;
    pair.setState(state("5"));
    pair.clearHistory();
    QSignalSpy spy(&pair, &ColorPair::changed);
    {
        const ColorPair::Step outer(pair);
        pair.setColor(0, qRgb(7, 0, 0));
        {
            const ColorPair::Step inner(pair);
            pair.setColor(1, qRgb(8, 8, 8));
        }
        QVERIFY(spy.isEmpty());
        pair.setEditedColor(qRgb(9, 0, 0));
    }
    QCOMPARE(heard(spy), QStringList{"bf"});
    pair.undo();
    QCOMPARE(pair.state(), state("5"));
    QVERIFY(!pair.canUndo());

    {
        const ColorPair::Step loading(pair, ColorPair::Step::Undo::NotRecorded);
        pair.setColor(0, qRgb(1, 0, 0));
    }
    QVERIFY(!pair.canUndo());
}

// A view that answers a change with another change makes it part of the same step.
void tst_ColorPair::listenersJoinTheStep()
{
    ColorPair pair;
    pair.setState(state("5"));
    pair.clearHistory();
    const QMetaObject::Connection view =
        connect(&pair, &ColorPair::changed, &pair, [&pair] { pair.setColor(1, qRgb(1, 1, 1)); });
    QSignalSpy spy(&pair, &ColorPair::changed);
    pair.setColor(0, qRgb(2, 0, 0));
    QCOMPARE(heard(spy), (QStringList{"b", "f"}));
    disconnect(view);
    pair.undo();
    QCOMPARE(pair.state(), state("5"));
}

void tst_ColorPair::previewIsShownForTheEditedColourOnly()
{
    ColorPair pair;
    pair.setState(state("w5"));
    pair.clearHistory();
    QSignalSpy spy(&pair, &ColorPair::changed);
    pair.setPreview(qRgb(1, 2, 3));
    pair.setPreview(qRgb(1, 2, 3));
    QCOMPARE(pair.shownColor(1), qRgb(1, 2, 3));
    QCOMPARE(pair.shownColor(0), qRgb(5, 0, 0));
    QCOMPARE(pair.foreground(), qRgb(224, 224, 224));
    pair.setPreview(std::nullopt);
    QCOMPARE(heard(spy), (QStringList{"p", "p"}));
    QVERIFY(!pair.canUndo());
}

QTEST_GUILESS_MAIN(tst_ColorPair)
#include "tst_colorpair.moc"
