// SPDX-License-Identifier: MIT
#include "app/colorhistory.h"

#include <QTest>

namespace {

// "12" is a state with background red 12 edited, "w12" the same colours with the foreground edited.
ColorSnapshot state(const QString &token)
{
    ColorSnapshot s;
    s.which = token.startsWith(u'w') ? 1 : 0;
    s.params[0][1] = qint16(token.mid(s.which).toInt());
    s.params[1] = {2, 224, 224, 224};
    return s;
}

QString token(const ColorSnapshot &s)
{
    return (s.which ? QStringLiteral("w") : QString()) + QString::number(s.params[0][1]);
}

} // namespace

class tst_ColorHistory : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
    void oldestStepsAreDropped();
};

void tst_ColorHistory::steps_data()
{
    // The actions, a state for a change to it, "u" undo, "r" redo; then the state after each, from state 0.
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("undo and redo") << QStringList{"1 2 u u r r", "1 2 1 0 1 2"};
    QTest::newRow("nothing to redo") << QStringList{"1 2 r u r r", "1 2 2 1 2 2"};
    QTest::newRow("a change clears redo") << QStringList{"1 2 u 3 r u", "1 2 1 3 3 1"};
    QTest::newRow("no change, no step") << QStringList{"1 1 u u", "1 1 0 0"};
    QTest::newRow("switching colour is a step") << QStringList{"1 w1 u", "1 w1 1"};
}

void tst_ColorHistory::steps()
{
    QFETCH(QStringList, steps);

    ColorHistory history;
    ColorSnapshot current = state("0");
    QStringList seen;
    for (const QString &action : steps[0].split(u' ')) {
        if (action == u"u" || action == u"r") {
            const auto restored = action == u"u" ? history.undo(current) : history.redo(current);
            if (restored)
                current = *restored;
        } else {
            history.record(current, state(action));
            current = state(action);
        }
        seen.append(token(current));
    }
    QCOMPARE(seen.join(u' '), steps[1]);
}

void tst_ColorHistory::oldestStepsAreDropped()
{
    ColorHistory history;
    ColorSnapshot current = state("0");
    for (int i = 1; i <= 150; ++i) {
        history.record(current, state(QString::number(i)));
        current = state(QString::number(i));
    }
    int undone = 0;
    while (const auto restored = history.undo(current)) {
        current = *restored;
        ++undone;
    }
    QCOMPARE(undone, 100);
    QCOMPARE(token(current), QStringLiteral("50"));
}

QTEST_APPLESS_MAIN(tst_ColorHistory)
#include "tst_colorhistory.moc"
