// SPDX-License-Identifier: MIT
#include "platform/appexit.h"
#include "platform/termination.h"

#include <QTest>

#include <csignal>

namespace {

// Records, in order, the save and the ending of the program.
struct Record final : platform::AppExit
{
    void endProgram() override { steps += "end;"; }
    QString steps;
};

} // namespace

class tst_Termination : public QObject
{
    Q_OBJECT

private slots:
    void signalSavesThenEnds();
};

void tst_Termination::signalSavesThenEnds()
{
    const int signal = SIGTERM; // SIGHUP takes the same path, which the end-to-end run shows
    Record record;
    {
        platform::Termination termination(record);
        connect(&termination, &platform::Termination::saveRequested, this,
                [&record] { record.steps += "save;"; });
        QVERIFY(std::raise(signal) == 0);
        // The handler only wakes the event loop: nothing has run yet.
        QCOMPARE(record.steps, QString());
        QTRY_COMPARE(record.steps, QStringLiteral("save;end;"));
    }
    // Afterwards the signal has its usual meaning again.
    struct sigaction current
    {
    };
    QVERIFY(::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL);
}

QTEST_GUILESS_MAIN(tst_Termination)
#include "tst_termination.moc"
