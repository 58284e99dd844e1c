#include "platform/textfilereader.h"
#include "viewer/frmview.h"
#include "viewer/multilinetextbox.h"
#include "viewer/viewerplacement.h"

#include "support/faketextfilereader.h"
#include "support/recordingmessageboxes.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using platform::MessageIcon;

namespace {

const QString kHead = QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                                     "To view the entire contents of the file load it into NotePad,\r\n"
                                     "WordPad or some other text editor.\r\n\r\n");
const QString kTail = QStringLiteral("\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n");

// Digits in a cycle, so that a cut at the wrong place shows in the last characters kept.
QString digits(qsizetype length)
{
    QString text(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        text[i] = QChar(char16_t(u'0' + i % 10));
    return text;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestFrmView : public QObject
{
    Q_OBJECT

private slots:
    void showsText_data();
    void showsText();
    void failures_data();
    void failures();
    void reloadsWhenActivatedAgain();
    void resizeLayout_data();
    void resizeLayout();
    void placement_data();
    void placement();
    void placementRestoresMinimisedViewer();
    void placementLeavesMaximisedViewer();

private:
    QTemporaryDir m_dir;
};

void TestFrmView::showsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("short, CR LF lines") << QStringLiteral("one\r\ntwo\r\n") << QStringLiteral("one\r\ntwo\r\n");
    QTest::newRow("LF lines") << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("65529 characters, whole") << digits(65529) << digits(65529);
    // 168 + 65306 + 4 + 56 = 65534; 65306 digits end in ...345.
    QTest::newRow("65530 characters, cut") << digits(65530) << kHead + digits(65306) + kTail;
    QTest::newRow("200000 characters, cut") << digits(200000) << kHead + digits(65306) + kTail;
}

void TestFrmView::showsText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    FakeTextFileReader files;
    files.setText(QStringLiteral("/help.txt"), text);
    RecordingMessageBoxes messages;
    frmView viewer(files, messages);
    viewer.strFilename = QStringLiteral("/help.txt");

    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));

    auto *box = viewer.findChild<MultiLineTextBox *>(QStringLiteral("txbText1"));
    QVERIFY(box);
    QCOMPARE(box->text(), shown);
    if (text.size() >= 65530) {
        QCOMPARE(box->text().size(), 65534);
        QVERIFY(box->text().mid(168, 65306).endsWith(u"012345"));
    }
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->textCursor().position(), 0);
    QVERIFY(viewer.blnFileDisplayed());
    QVERIFY(messages.messages.isEmpty());
    QVERIFY(viewer.isVisible());
}

void TestFrmView::failures_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    // Files on disk, read by the program's own reader.
    QTest::newRow("missing file") << QStringLiteral("absent.txt") << QStringLiteral("Error 53.  File not found")
                                  << QStringLiteral("Error reading file");
    QTest::newRow("missing folder") << QStringLiteral("nowhere/help.txt")
                                    << QStringLiteral("Error 76.  Path not found")
                                    << QStringLiteral("Error reading file");
    QTest::newRow("folder in place of the file")
        << QStringLiteral("folder") << QStringLiteral("Error 70.  Permission denied")
        << QStringLiteral("Error reading file");
    QTest::newRow("empty file") << QStringLiteral("empty.txt") << QStringLiteral("File is empty!")
                                << QStringLiteral("Error");
}

void TestFrmView::failures()
{
    QFETCH(QString, fileName);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    writeFile(m_dir.filePath(QStringLiteral("empty.txt")), {});
    writeFile(m_dir.filePath(QStringLiteral("good.txt")), "good\r\n");

    RecordingMessageBoxes messages;
    frmView viewer(platform::systemTextFileReader(), messages);
    // A good file first, so that the failure has something to empty.
    viewer.strFilename = m_dir.filePath(QStringLiteral("good.txt"));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    auto *box = viewer.findChild<MultiLineTextBox *>(QStringLiteral("txbText1"));
    QCOMPARE(box->text(), QStringLiteral("good\r\n"));
    viewer.hide();

    viewer.strFilename = m_dir.filePath(fileName);
    viewer.show();
    QTRY_COMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, text);
    QCOMPARE(messages.messages[0].title, title);
    QCOMPARE(messages.messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(!viewer.isVisible());
    QVERIFY(!viewer.blnFileDisplayed());
    QVERIFY(box->text().isEmpty());
}

void TestFrmView::reloadsWhenActivatedAgain()
{
    FakeTextFileReader files;
    files.setText(QStringLiteral("/help.txt"), QStringLiteral("first"));
    RecordingMessageBoxes messages;
    frmView viewer(files, messages);
    viewer.strFilename = QStringLiteral("/help.txt");
    QWidget other;
    other.show();
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    auto *box = viewer.findChild<MultiLineTextBox *>(QStringLiteral("txbText1"));
    QCOMPARE(box->text(), QStringLiteral("first"));

    files.setText(QStringLiteral("/help.txt"), QStringLiteral("edited"));
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(box->text(), QStringLiteral("first"));
    viewer.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QCOMPARE(box->text(), QStringLiteral("edited"));

    // Close only hides; showing again reads the file afresh.
    files.setText(QStringLiteral("/help.txt"), QStringLiteral("third"));
    QTest::mouseClick(viewer.findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(!viewer.isVisible());
    viewer.show();
    QTRY_COMPARE(box->text(), QStringLiteral("third"));
}

void TestFrmView::resizeLayout_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("textBox");
    QTest::addColumn<QPoint>("close");

    // Worked in twips: text box (105, 105, W - 320, H - 1200); Close at ((W - 2220) / 2, 105 + H - 1200 + 100).
    QTest::newRow("design size") << QSize(778, 444) << QSize(778, 444) << QRect(7, 7, 757, 364) << QPoint(315, 378);
    QTest::newRow("below both minimums")
        << QSize(100, 100) << QSize(267, 200) << QRect(7, 7, 246, 120) << QPoint(60, 134);
    QTest::newRow("too narrow") << QSize(150, 500) << QSize(267, 500) << QRect(7, 7, 246, 420) << QPoint(60, 434);
    QTest::newRow("wide") << QSize(1000, 300) << QSize(1000, 300) << QRect(7, 7, 979, 220) << QPoint(426, 234);
}

void TestFrmView::resizeLayout()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, size);
    QFETCH(QRect, textBox);
    QFETCH(QPoint, close);
    FakeTextFileReader files;
    files.setText(QStringLiteral("/help.txt"), QStringLiteral("text"));
    RecordingMessageBoxes messages;
    frmView viewer(files, messages);
    viewer.strFilename = QStringLiteral("/help.txt");
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));

    viewer.resize(requested);
    QTRY_COMPARE(viewer.size(), size);
    auto *cmdClose = viewer.findChild<QPushButton *>(QStringLiteral("cmdClose"));
    QTRY_COMPARE(viewer.findChild<MultiLineTextBox *>(QStringLiteral("txbText1"))->geometry(), textBox);
    QCOMPARE(cmdClose->pos(), close);
    // Centred under the text box, to the rounding of half a pixel.
    QVERIFY(qAbs(cmdClose->geometry().center().x() * 2 + 1 - size.width()) <= 1);
}

void TestFrmView::placement_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("mainLeft");
    QTest::addColumn<QRect>("viewer");

    QTest::newRow("room on the right") << QRect(100, 50, 623, 551) << 1920 << 100 << QRect(723, 50, 347, 551);
    QTest::newRow("pair one pixel short of the edge")
        << QRect(949, 0, 623, 551) << 1920 << 949 << QRect(1572, 0, 347, 551);
    QTest::newRow("near the right edge") << QRect(1500, 20, 623, 551) << 1920 << 950 << QRect(1573, 20, 347, 551);
    QTest::newRow("screen narrower than the pair")
        << QRect(100, 20, 623, 551) << 800 << -170 << QRect(453, 20, 347, 551);
}

void TestFrmView::placement()
{
    QFETCH(QRect, main);
    QFETCH(int, screenWidth);
    QFETCH(int, mainLeft);
    QFETCH(QRect, viewer);

    const ViewerPlacement place = placeBeside(main, screenWidth);
    QCOMPARE(place.mainLeft, mainLeft);
    QCOMPARE(place.viewer, viewer);
}

void TestFrmView::placementRestoresMinimisedViewer()
{
    FakeTextFileReader files;
    RecordingMessageBoxes messages;
    QWidget mainWindow;
    mainWindow.setGeometry(1500, 20, 623, 551);
    frmView viewer(files, messages);
    viewer.setWindowState(Qt::WindowMinimized);

    placeViewerBeside(mainWindow, viewer, 1920);

    QVERIFY(!viewer.isMinimized());
    QCOMPARE(mainWindow.frameGeometry().topLeft(), QPoint(950, 20));
    QCOMPARE(viewer.frameGeometry(), QRect(1573, 20, 347, 551));
}

void TestFrmView::placementLeavesMaximisedViewer()
{
    FakeTextFileReader files;
    RecordingMessageBoxes messages;
    QWidget mainWindow;
    mainWindow.setGeometry(1500, 20, 623, 551);
    frmView viewer(files, messages);
    viewer.setGeometry(10, 10, 500, 400);
    viewer.setWindowState(Qt::WindowMaximized);

    placeViewerBeside(mainWindow, viewer, 1920);

    QVERIFY(viewer.isMaximized());
    QCOMPARE(viewer.geometry(), QRect(10, 10, 500, 400));
    QCOMPARE(mainWindow.pos(), QPoint(1500, 20));
}

QTEST_MAIN(TestFrmView)
#include "tst_frmview.moc"
