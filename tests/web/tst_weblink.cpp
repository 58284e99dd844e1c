#include "web/weblink.h"

#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

#include <QTest>

class TestWeblink : public QObject
{
    Q_OBJECT

private slots:
    void fileExtension_data();
    void fileExtension();
    void launchMessages_data();
    void launchMessages();
    void ownNoAssociationLine();
};

void TestWeblink::fileExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<QString>("extension");

    QTest::newRow("only dot in a folder name") << R"(C:\My.Documents\readme)" << true << "";
    QTest::newRow("TXT lower-cased") << R"(C:\Docs\NOTES.TXT)" << true << "txt";
    QTest::newRow("TXT kept") << R"(C:\Docs\NOTES.TXT)" << false << "TXT";
    QTest::newRow("name ending in a dot") << R"(C:\Docs\notes.)" << true << "";
    QTest::newRow("last of two dots") << R"(C:\Docs\archive.tar.GZ)" << true << "gz";
    QTest::newRow("no folder") << "Report.Doc" << false << "Doc";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("URL with host") << "https://quenby-systems.example/" << true << "example/";
    QTest::newRow("manual page") << "https://quenby-systems.example/tvk/tvk.htm" << true << "htm";
}

void TestWeblink::fileExtension()
{
    QFETCH(QString, path);
    QFETCH(bool, lowerCase);
    QFETCH(QString, extension);
    QCOMPARE(weblink::GetFileExtension(path, lowerCase), extension);
}

void TestWeblink::launchMessages_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<qint32>("code");
    QTest::addColumn<QString>("message"); // empty: no box at all

    const QString manual = QStringLiteral("https://quenby-systems.example/tvk/tvk.htm");
    const QString home = QStringLiteral("https://quenby-systems.example/");

    QTest::newRow("33 opened") << manual << 33 << "";
    QTest::newRow("42 opened") << home << 42 << "";
    QTest::newRow("32 fails") << manual << 32 << "Error launching web browser, error code = 32.";
    QTest::newRow("0") << manual << 0 << "Error launching web browser, error code = 0.";
    QTest::newRow("5") << manual << 5 << "Error launching web browser, error code = 5.";
    QTest::newRow("negative, no space") << manual << -1 << "Error launching web browser, error code =-1.";
    QTest::newRow("31 manual page") << manual << 31
                                    << "Error launching web browser, error code = 31.\r\n\r\n"
                                       "File extension 'htm' is not associated with any application program.";
    QTest::newRow("31 home page")
        << home << 31
        << "Error launching web browser, error code = 31.\r\n\r\n"
           "File extension 'example/' is not associated with any application program.";
    QTest::newRow("8") << manual << 8 << "Error launching web browser, error code = 8.\r\n\r\nOut of memory.";
    QTest::newRow("2") << manual << 2
                       << "Error launching web browser, error code = 2.\r\n\r\nPlease try once more.";
}

void TestWeblink::launchMessages()
{
    QFETCH(QString, url);
    QFETCH(qint32, code);
    QFETCH(QString, message);

    RecordingShell shell;
    shell.result = code;
    RecordingMessageBoxes messages;
    weblink::OpenWebPage(shell, messages, nullptr, url);

    QCOMPARE(shell.urls, QStringList{url});
    if (message.isEmpty()) {
        QCOMPARE(messages.messages.size(), 0);
        return;
    }
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, message);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Cannot launch web browser"));
    QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Exclamation);
}

// Another launcher words only the no-association line its own way; the rest is shared.
void TestWeblink::ownNoAssociationLine()
{
    RecordingShell shell;
    shell.result = 31;
    RecordingMessageBoxes messages;
    const QString line =
        QStringLiteral("The web page file type htm is not associated with any browser program.");
    weblink::openWebPageExplaining(shell, messages, nullptr, QStringLiteral("https://x.example/a/b.htm"),
                                   line);

    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, "Error launching web browser, error code = 31.\r\n\r\n" + line);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Cannot launch web browser"));
}

QTEST_APPLESS_MAIN(TestWeblink)
#include "tst_weblink.moc"
