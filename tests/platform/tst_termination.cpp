// SPDX-License-Identifier: MIT
#include "platform/appexit.h"
#include "platform/termination.h"

#include <QTest>

#include <csignal>

namespace {

// Records, in order, the save and the ending of the program with its exit code.
struct Record final : platform::AppExit
{
    void endProgram(int exitCode) override { steps += QStringLiteral("end %1;").arg(exitCode); }
    QString steps;
};

} // namespace

class tst_Termination : public QObject
{
    Q_OBJECT

private slots:
    void signalSavesThenEnds_data();
    void signalSavesThenEnds();
    void ignoredSignalStaysIgnored();
};

void tst_Termination::signalSavesThenEnds_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("steps");

    QTest::newRow("SIGTERM") << int(SIGTERM) << true << "save;end 0;";
    QTest::newRow("SIGHUP, the save fails") << int(SIGHUP) << false << "save;end 1;";
    QTest::newRow("SIGINT") << int(SIGINT) << true << "save;end 0;";
    QTest::newRow("SIGQUIT, the save fails") << int(SIGQUIT) << false << "save;end 1;";
}

void tst_Termination::signalSavesThenEnds()
{
    QFETCH(int, signal);
    QFETCH(bool, saved);
    QFETCH(QString, steps);
    struct sigaction before
    {
    };
    QVERIFY(::sigaction(signal, nullptr, &before) == 0);
    Record record;
    {
        const platform::Termination termination(record, [&record, saved] {
            record.steps += "save;";
            return saved;
        });
        QVERIFY(std::raise(signal) == 0);
        // The handler only wakes the event loop: nothing has run yet.
        QCOMPARE(record.steps, QString());
        QTRY_COMPARE(record.steps, steps);
    }
    // Afterwards the signal has its former meaning again.
    struct sigaction current
    {
    };
    QVERIFY(::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == before.sa_handler);
}

// A program started in the background by a script, or under nohup, keeps ignoring what it was told to.
void tst_Termination::ignoredSignalStaysIgnored()
{
    std::signal(SIGINT, SIG_IGN);
    Record record;
    {
        const platform::Termination termination(record, [&record] {
            record.steps += "save;";
            return true;
        });
        QVERIFY(std::raise(SIGINT) == 0);
        QTest::qWait(100);
        QCOMPARE(record.steps, QString());
    }
    struct sigaction current
    {
    };
    QVERIFY(::sigaction(SIGINT, nullptr, &current) == 0 && current.sa_handler == SIG_IGN);
    std::signal(SIGINT, SIG_DFL);
}

QTEST_GUILESS_MAIN(tst_Termination)
#include "tst_termination.moc"
