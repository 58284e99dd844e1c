// SPDX-License-Identifier: MIT
#include "platform/textfilereader.h"
#include "viewer/frmview.h"
#include "viewer/viewerplacement.h"
#include "viewer/viewertext.h"
#include "widgets/multilinetextbox.h"

#include "support/faketextfilereader.h"
#include "support/recordingmessageboxes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

// FIFOs, devices and file rights as Unix has them; Windows' reader meets the other failures.
#ifdef Q_OS_UNIX
#include "support/asotheruser.h"
#include <sys/stat.h>
#endif

namespace {

const QString kPath = QStringLiteral("/help.txt");
const QString kHead = QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                                     "To view the entire contents of the file load it into NotePad,\r\n"
                                     "WordPad or some other text editor.\r\n\r\n");
const QString kTail = QStringLiteral("\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n");

// Digits in a cycle, so that a cut at the wrong place shows in the last characters kept.
QString digits(qsizetype length)
{
    return QStringLiteral("0123456789").repeated(length / 10 + 1).left(length);
}

MultiLineTextBox *textBox(const frmView &viewer)
{
    return viewer.findChild<MultiLineTextBox *>(QStringLiteral("txbText1"));
}

// A viewer over an in-memory file holding text.
struct Viewer
{
    explicit Viewer(const QString &text = QStringLiteral("text"))
    {
        files.setText(kPath, text);
        window.strFilename = kPath;
    }

    FakeTextFileReader files;
    RecordingMessageBoxes messages;
    frmView window{files, messages};
};

} // namespace

class tst_FrmView : public QObject
{
    Q_OBJECT

private slots:
    void fitToTextBox_data();
    void fitToTextBox();
    void failures_data();
    void failures();
    void hugeFileIsReadOnlyAsFarAsShown();
    void returningKeepsThePlaceUnlessTheFileChanged();
    void resizeLayout_data();
    void resizeLayout();
    void placement_data();
    void placement();
    void tooNarrowForBoth_data();
    void tooNarrowForBoth();
};

void tst_FrmView::fitToTextBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("LF lines") << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("65529 characters, whole") << digits(65529) << digits(65529);
    // 168 + 65306 + 4 + 56 = 65534 characters.
    QTest::newRow("65530 characters, cut") << digits(65530) << kHead + digits(65306) + kTail;
}

void tst_FrmView::fitToTextBox()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(viewertext::fitToTextBox(text), shown);
}

void tst_FrmView::failures_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    // Files on disk, read by the program's own reader.
    const QString read = QStringLiteral("Error reading file");
    QTest::newRow("missing file") << "absent.txt" << QString("Error 53.  File not found") << read;
    QTest::newRow("missing folder") << "nowhere/help.txt" << QString("Error 76.  Path not found") << read;
    QTest::newRow("folder in place of the file")
        << "folder" << QString("Error 70.  Permission denied") << read;
    QTest::newRow("empty file") << "empty.txt" << QString("File is empty!") << QString("Error");
#ifdef Q_OS_UNIX
    QTest::newRow("FIFO in place of the file")
        << "fifo" << QString("Error 75.  Path/File access error") << read;
    QTest::newRow("link to a device") << "zero" << QString("Error 75.  Path/File access error") << read;
    QTest::newRow("file the user may not read")
        << "unreadable.txt" << QString("Error 70.  Permission denied") << read;
#endif
}

void tst_FrmView::failures()
{
    QFETCH(QString, fileName);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
    for (const auto &[name, content] :
         {std::pair("empty.txt", ""), std::pair("good.txt", "good\r\n"), std::pair("unreadable.txt", "x")}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
#ifdef Q_OS_UNIX
    QVERIFY(QFile::setPermissions(dir.filePath("unreadable.txt"), {}) &&
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")), 0666) == 0 &&
            QFile::link("/dev/zero", dir.filePath("zero")));
    const AsOtherUser user;
#endif

    RecordingMessageBoxes messages;
    frmView viewer(platform::systemTextFileReader(), messages);
    // A good file first, so that the failure has something to empty.
    viewer.strFilename = dir.filePath(QStringLiteral("good.txt"));
    viewer.show();
    QTRY_COMPARE(textBox(viewer)->text(), QStringLiteral("good\r\n"));
    viewer.hide();

    viewer.strFilename = dir.filePath(fileName);
    viewer.show();
    QTRY_COMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, text);
    QCOMPARE(messages.messages[0].title, title);
    QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Exclamation);
    QVERIFY(!viewer.isVisible());
    QVERIFY(!viewer.blnFileDisplayed());
    QVERIFY(textBox(viewer)->text().isEmpty());
}

void tst_FrmView::hugeFileIsReadOnlyAsFarAsShown()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(digits(70000).toLatin1()) == 70000 &&
            file.resize(qint64(3) << 30));
    file.close();
    RecordingMessageBoxes messages;
    frmView viewer(platform::systemTextFileReader(), messages);
    viewer.strFilename = file.fileName();
    QElapsedTimer timer;
    timer.start();
    viewer.show();
    QTRY_VERIFY(viewer.blnFileDisplayed());
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(textBox(viewer)->text(), kHead + digits(65306) + kTail);
    QCOMPARE(textBox(viewer)->textCursor().position(), 0);
    QVERIFY(textBox(viewer)->isReadOnly());
}

// Coming back from the main window reads the file again; an unchanged text keeps where the reader was and
// what they selected, a changed one is shown from its start. Escape closes the viewer like Close.
void tst_FrmView::returningKeepsThePlaceUnlessTheFileChanged()
{
    const QString lines = QStringLiteral("line\r\n").repeated(300);
    Viewer v(lines);
    v.window.resize(347, 400);
    v.window.show();
    QTRY_VERIFY(v.window.blnFileDisplayed());
    MultiLineTextBox *box = textBox(v.window);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(1200);
    cursor.setPosition(1210, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    const int scrolled = box->verticalScrollBar()->value();
    const QString selected = box->textCursor().selectedText();
    QVERIFY(scrolled > 0 && selected.size() == 10);
    const auto comeBack = [&] {
        QEvent away(QEvent::WindowDeactivate), back(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&v.window, &away);
        QCoreApplication::sendEvent(&v.window, &back);
    };

    comeBack();
    QCOMPARE(v.files.readPaths.size(), 2);
    QCOMPARE(box->verticalScrollBar()->value(), scrolled);
    QCOMPARE(box->textCursor().selectedText(), selected);

    v.files.setText(kPath, QStringLiteral("changed\r\n") + lines);
    comeBack();
    QCOMPARE(box->text(), QStringLiteral("changed\r\n") + lines);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    QVERIFY(!box->textCursor().hasSelection());

    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!v.window.isVisible());
}

void tst_FrmView::resizeLayout_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("textBox");
    QTest::addColumn<QPoint>("close");

    // Worked in twips: text box (105, 105, W - 320, H - 1200); Close centred under it at
    // ((W - 2220) / 2, 105 + H - 1200 + 100).
    QTest::newRow("below both minimums")
        << QSize(100, 100) << QSize(267, 200) << QRect(7, 7, 246, 120) << QPoint(60, 134);
    QTest::newRow("too narrow") << QSize(150, 500) << QSize(267, 500) << QRect(7, 7, 246, 420)
                                << QPoint(60, 434);
    QTest::newRow("wide") << QSize(1000, 300) << QSize(1000, 300) << QRect(7, 7, 979, 220)
                          << QPoint(426, 234);
}

void tst_FrmView::resizeLayout()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, size);
    QFETCH(QRect, textBox);
    QFETCH(QPoint, close);
    Viewer v;
    v.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&v.window));

    v.window.resize(requested);
    QTRY_COMPARE(v.window.size(), size);
    QTRY_COMPARE(::textBox(v.window)->geometry(), textBox);
    QCOMPARE(v.window.findChild<QPushButton *>(QStringLiteral("cmdClose"))->pos(), close);
}

void tst_FrmView::placement_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("area"); // the screen less its panels
    QTest::addColumn<Qt::WindowState>("state");
    QTest::addColumn<int>("mainLeft");
    QTest::addColumn<QRect>("viewer");

    const QRect wide(0, 0, 1920, 1040);
    // 949 + 623 + 347 = 1919: the pair just fits and the main window stays.
    QTest::newRow("pair one pixel short of the edge")
        << QRect(949, 0, 623, 551) << wide << Qt::WindowNoState << 949 << QRect(1572, 0, 347, 551);
    // 800 - 347 - 623 = -170 would push the main window off the screen: it stops at the area's left edge, and
    // the viewer ends at the right edge, over the main window.
    QTest::newRow("screen narrower than the pair") << QRect(100, 20, 623, 551) << QRect(0, 0, 800, 600)
                                                   << Qt::WindowNoState << 0 << QRect(453, 20, 347, 551);
    QTest::newRow("panel on the left") << QRect(300, 20, 623, 551) << QRect(48, 0, 752, 600)
                                       << Qt::WindowNoState << 48 << QRect(453, 20, 347, 551);
    // Near the right edge: the main window moves left so that the pair ends at the screen's edge.
    const QRect nearEdge(1500, 20, 623, 551);
    QTest::newRow("minimised: restored, then placed")
        << nearEdge << wide << Qt::WindowMinimized << 950 << QRect(1573, 20, 347, 551);
    QTest::newRow("maximised: left alone")
        << nearEdge << wide << Qt::WindowMaximized << 1500 << QRect(10, 10, 500, 400);
}

// Neither window is shown, so the outer rectangles are the windows' own.
void tst_FrmView::placement()
{
    QFETCH(QRect, main);
    QFETCH(QRect, area);
    QFETCH(Qt::WindowState, state);
    QFETCH(int, mainLeft);
    QFETCH(QRect, viewer);
    Viewer v;
    QWidget mainWindow;
    mainWindow.setGeometry(main);
    v.window.setGeometry(10, 10, 500, 400);
    v.window.setWindowState(state);

    placeViewerBeside(mainWindow, v.window, area);

    QVERIFY(!v.window.isMinimized());
    QCOMPARE(mainWindow.frameGeometry().topLeft(), QPoint(mainLeft, main.top()));
    // A maximised window keeps the size it will return to.
    QCOMPARE(state == Qt::WindowMaximized ? v.window.geometry() : v.window.frameGeometry(), viewer);
}

void tst_FrmView::tooNarrowForBoth_data()
{
    QTest::addColumn<QRectF>("area");
    QTest::addColumn<QRectF>("viewer");

    // The main window's pictures, relative to its outer corner: the plane first, the sample, 16 swatches.
    // Beside a main window of 623 at 0 there are 277 pixels of 900 left, enough for the narrowest viewer.
    QTest::newRow("narrowed to the room beside") << QRectF(0, 0, 900, 600) << QRectF(623, 20, 277, 551);
    // 177 pixels are not. No place of the full width leaves the plane whole; at its narrowest the viewer
    // does at the left edge, hiding 28860 pixels of swatches, which no other place beats.
    QTest::newRow("over the main window's left part, narrowest")
        << QRectF(0, 0, 800, 600) << QRectF(0, 20, 267, 551);
}

void tst_FrmView::tooNarrowForBoth()
{
    QFETCH(QRectF, area);
    QFETCH(QRectF, viewer);
    QList<QRectF> pictures{QRectF(336, 128, 256, 256), QRectF(316, 88, 299, 32)};
    for (int i = 0; i < 16; ++i)
        pictures << QRectF(24 + 72 * (i % 8), i < 8 ? 8 : 392, 65, 65);
    const ViewerPlacement place = placeBeside(QRectF(100, 20, 623, 551), area, 267, pictures);
    QCOMPARE(place.mainLeft, 0.0);
    QCOMPARE(place.viewer, viewer);
}

QTEST_MAIN(tst_FrmView)
#include "tst_frmview.moc"
