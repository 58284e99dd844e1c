// SPDX-License-Identifier: MIT
#include "web/weblink.h"

#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

#include <QTest>

class tst_Weblink : public QObject
{
    Q_OBJECT

private slots:
    void fileExtension_data();
    void fileExtension();
    void launchMessages_data();
    void launchMessages();
};

void tst_Weblink::fileExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<QString>("extension");

    QTest::newRow("only dot in a folder name") << R"(C:\My.Documents\readme)" << true << "";
    QTest::newRow("TXT lower-cased") << R"(C:\Docs\NOTES.TXT)" << true << "txt";
    QTest::newRow("name ending in a dot") << R"(C:\Docs\notes.)" << true << "";
    QTest::newRow("last of two dots") << R"(C:\Docs\archive.tar.GZ)" << true << "gz";
    QTest::newRow("no folder, case kept") << "Report.Doc" << false << "Doc";
    QTest::newRow("empty") << "" << true << "";
    // A URL has no "\": the home page's "extension" is the host's last label and the slash.
    QTest::newRow("URL with host") << "https://quenby-systems.example/" << true << "example/";
}

void tst_Weblink::fileExtension()
{
    QFETCH(QString, path);
    QFETCH(bool, lowerCase);
    QFETCH(QString, extension);
    QCOMPARE(weblink::GetFileExtension(path, lowerCase), extension);
}

void tst_Weblink::launchMessages_data()
{
    QTest::addColumn<qint32>("code");
    QTest::addColumn<QString>("message"); // empty: no box at all

    const QString first = QStringLiteral("Error launching web browser, error code =");
    QTest::newRow("33 opened") << 33 << "";
    QTest::newRow("32 fails") << 32 << first + " 32.";
    QTest::newRow("0, with its space") << 0 << first + " 0.";
    QTest::newRow("negative, no space") << -1 << first + "-1.";
    QTest::newRow("31 names the extension")
        << 31 << first + " 31.\r\n\r\nFile extension 'htm' is not associated with any application program.";
    QTest::newRow("8") << 8 << first + " 8.\r\n\r\nOut of memory.";
    QTest::newRow("2") << 2 << first + " 2.\r\n\r\nPlease try once more.";
}

void tst_Weblink::launchMessages()
{
    QFETCH(qint32, code);
    QFETCH(QString, message);
    const QString url = QStringLiteral("https://quenby-systems.example/tvk/tvk.htm");

    RecordingShell shell;
    shell.result = code;
    RecordingMessageBoxes messages;
    weblink::OpenWebPage(shell, messages, nullptr, url);

    QCOMPARE(shell.urls, QStringList{url});
    if (message.isEmpty()) {
        QVERIFY(messages.messages.isEmpty());
        return;
    }
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, message);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Cannot launch web browser"));
    QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Exclamation);
}

QTEST_APPLESS_MAIN(tst_Weblink)
#include "tst_weblink.moc"
