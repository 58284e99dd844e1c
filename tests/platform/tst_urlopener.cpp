// SPDX-License-Identifier: MIT
#include "platform/urlopener.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

// Stand-ins for xdg-open: small scripts that behave like it in one way each, so that the
// launch and the codes can be checked without a desktop or a browser.
class tst_UrlOpener : public QObject
{
    Q_OBJECT

private slots:
    void shellCodes_data();
    void shellCodes();
    void addressIsOneVerbatimArgument_data();
    void addressIsOneVerbatimArgument();
    void slowOpenerKeepsRunning();

private:
    // Starts program and waits for its outcome, which must not be there before the event loop runs, unless
    // the program is missing.
    std::optional<platform::LaunchOutcome> run(const QString &program, const QString &url, int waitMs = 5000)
    {
        auto outcome = std::make_shared<std::optional<platform::LaunchOutcome>>();
        platform::startUrlOpener(program, url, waitMs, [outcome](const auto &o) { *outcome = o; });
        if (QFile::exists(program) && outcome->has_value())
            return {};
        (void)QTest::qWaitFor([&] { return outcome->has_value(); }, 2 * waitMs);
        return *outcome;
    }

    QString writeOpener(const QString &name, const QByteArray &body)
    {
        QFile file(m_dir.filePath(name));
        if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly))
            return {};
        file.write("#!/bin/sh\n" + body + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    }

    QTemporaryDir m_dir;
};

void tst_UrlOpener::shellCodes_data()
{
    QTest::addColumn<QByteArray>("script"); // empty: the opener is not installed
    QTest::addColumn<qint32>("code");

    QTest::newRow("file missing") << QByteArray("exit 2") << 2;
    QTest::newRow("no tool for it") << QByteArray("exit 3") << 31;
    QTest::newRow("desktop opener failed") << QByteArray("exit 4") << 31;
    QTest::newRow("bad command line") << QByteArray("exit 1") << 0;
    QTest::newRow("killed") << QByteArray("kill -KILL $$") << 0;
    QTest::newRow("not installed") << QByteArray() << 31;
}

void tst_UrlOpener::shellCodes()
{
    QFETCH(QByteArray, script);
    QFETCH(qint32, code);

    const QString program = script.isEmpty() ? m_dir.filePath(QStringLiteral("absent-opener"))
                                             : writeOpener(QTest::currentDataTag(), script);
    QVERIFY(!program.isEmpty());
    const auto outcome = run(program, QStringLiteral("https://a.example/"));
    QVERIFY(outcome);
    QCOMPARE(platform::shellCodeForXdgOpen(*outcome), code);
}

void tst_UrlOpener::addressIsOneVerbatimArgument_data()
{
    QTest::addColumn<QString>("url");

    QTest::newRow("blanks") << "https://a.example/my page.htm";
    QTest::newRow("command substitution") << "https://a.example/$(touch pwned)`touch pwned`";
    QTest::newRow("leading dash") << "--version";
}

// A command shell between us and the opener would split or run parts of these addresses. The opener
// ends well, which the shell must report as opened.
void tst_UrlOpener::addressIsOneVerbatimArgument()
{
    QFETCH(QString, url);

    const QString seen = m_dir.filePath(QStringLiteral("seen.txt"));
    QFile::remove(seen);
    const QString program = writeOpener(QStringLiteral("recording-opener"),
                                        "printf '%s\\n%s' \"$#\" \"$1\" > '" + seen.toUtf8() + "'");
    const auto outcome = run(program, url);
    QVERIFY(outcome);
    QVERIFY(platform::shellCodeForXdgOpen(*outcome) > 32);

    QFile file(seen);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), "1\n" + url);
    QVERIFY(!QFile::exists(QStringLiteral("pwned")));
}

// Some openers only end when the browser they started closes; giving up the wait must not kill them. Nor
// does the program wait for them: the event loop runs meanwhile.
void tst_UrlOpener::slowOpenerKeepsRunning()
{
    const QString done = m_dir.filePath(QStringLiteral("done.txt"));
    const QString program =
        writeOpener(QStringLiteral("slow-opener"), "sleep 1\ntouch '" + done.toUtf8() + "'");
    const auto outcome = run(program, QStringLiteral("https://a.example/"), 100);
    QVERIFY(outcome);
    QCOMPARE(outcome->kind, platform::LaunchOutcome::Kind::StillRunning);
    QVERIFY(platform::shellCodeForXdgOpen(*outcome) > 32);
    QVERIFY(!QFile::exists(done));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(done), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess *>().isEmpty(), 10000);
}

QTEST_GUILESS_MAIN(tst_UrlOpener)
#include "tst_urlopener.moc"
