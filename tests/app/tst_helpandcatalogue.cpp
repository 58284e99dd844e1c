#include "app/frmmain.h"
#include "catalogue/frmqssoftware.h"
#include "platform/captionlabel.h"
#include "platform/textfilereader.h"
#include "viewer/frmview.h"
#include "viewer/multilinetextbox.h"

#include "support/fakeregistry.h"
#include "support/faketextfilereader.h"
#include "support/mainwindowfixture.h"
#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using platform::MessageIcon;

namespace {

// The program's main window over doubles of every service Help, the catalogue and quitting use.
struct Program
{
    RecordingMessageBoxes messages;
    RecordingAppExit appExit;
    FakeTextFileReader files;
    RecordingShell shell;
    FakeRegistry registry;
    std::unique_ptr<frmMain> window;

    frmMain &start()
    {
        Services s;
        s.messages = &messages;
        s.appExit = &appExit;
        s.files = &files;
        s.shell = &shell;
        s.registry = &registry;
        window = std::make_unique<frmMain>(s);
        window->Form_Load();
        return *window;
    }

    void click(const char *button) const
    {
        QTest::mouseClick(window->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }

    frmView *viewer() const { return window->findChild<frmView *>(); }
};

QString helpPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tvk_help.txt");
}

// While the catalogue is shown modally by action, runs inspect inside it, then closes it with its Close button.
frmQSsoftware *whileCatalogueShown(const std::function<void()> &action, const std::function<void()> &inspect)
{
    frmQSsoftware *shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<frmQSsoftware *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        inspect();
        QTest::mouseClick(shown->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    });
    action();
    return shown;
}

} // namespace

class TestHelpAndCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void helpShowsViewerBeside();
    void helpFailures_data();
    void helpFailures();
    void catalogueButton();
    void quitting_data();
    void quitting();
};

void TestHelpAndCatalogue::helpShowsViewerBeside()
{
    Program program;
    frmMain &window = program.start();
    program.files.setText(helpPath(), QStringLiteral("How to use the program.\r\n"));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Far enough to the right that the pair would pass the screen's edge.
    const QRect screen = window.screen()->geometry();
    window.move(screen.right() - 700, screen.top() + 10);
    QTRY_COMPARE(window.frameGeometry().left(), screen.right() - 700);

    program.click("cmdHelp");

    frmView *viewer = program.viewer();
    QVERIFY(viewer);
    QTRY_VERIFY(viewer->blnFileDisplayed());
    QCOMPARE(viewer->findChild<MultiLineTextBox *>()->text(), QStringLiteral("How to use the program.\r\n"));
    QCOMPARE(program.files.readPaths.last(), helpPath());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Help for TVK"));
    QCOMPARE(viewer->windowIcon().pixmap(32).toImage(), window.windowIcon().pixmap(32).toImage());
    QVERIFY(!viewer->isModal());
    QVERIFY(!QApplication::activeModalWidget());

    // The pair ends at the screen's right edge, the viewer flush against the main window. The test screen is
    // narrower than the pair, so the main window's left becomes negative; the offscreen platform then nudges it
    // right until the inside of its frame starts on the screen, which may leave a gap of up to its frame width.
    QTRY_COMPARE(viewer->frameGeometry().right(), screen.right());
    QCOMPARE(viewer->frameGeometry().width(), 347);
    QVERIFY(window.frameGeometry().left() < screen.left());
    const int gap = viewer->frameGeometry().left() - (window.frameGeometry().right() + 1);
    QVERIFY2(qAbs(gap) <= window.geometry().left() - window.frameGeometry().left(), qPrintable(QString::number(gap)));
    QCOMPARE(viewer->frameGeometry().top(), window.frameGeometry().top());
    QCOMPARE(viewer->frameGeometry().height(), window.frameGeometry().height());
    QVERIFY(window.isVisible());

    // Close only hides: a second press shows the same window again.
    QTest::mouseClick(viewer->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    program.click("cmdHelp");
    QCOMPARE(window.findChildren<frmView *>(), QList<frmView *>{viewer});
    QVERIFY(viewer->isVisible());
}

void TestHelpAndCatalogue::helpFailures_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    QTest::newRow("missing help file") << int(platform::TextFileError::FileNotFound)
                                       << "Error 53.  File not found" << "Error reading file";
    QTest::newRow("empty help file") << int(platform::TextFileError::InputPastEndOfFile) << "File is empty!"
                                     << "Error";
}

void TestHelpAndCatalogue::helpFailures()
{
    QFETCH(int, error);
    QFETCH(QString, text);
    QFETCH(QString, title);
    Program program;
    program.start();
    program.files.setFailure(helpPath(), error);

    program.click("cmdHelp");

    QTRY_COMPARE(program.messages.messages.size(), 1);
    QCOMPARE(program.messages.messages[0].text, text);
    QCOMPARE(program.messages.messages[0].title, title);
    QCOMPARE(program.messages.messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(!program.viewer()->isVisible());
    QVERIFY(program.window->isVisible());
}

void TestHelpAndCatalogue::catalogueButton()
{
    Program program;
    frmMain &window = program.start();
    bool mainVisibleMeanwhile = true;
    QColor introColour, titleColour;

    frmQSsoftware *catalogue = whileCatalogueShown([&] { program.click("cmdQSsoftware"); }, [&] {
        mainVisibleMeanwhile = window.isVisible();
        auto *catalogue = qobject_cast<frmQSsoftware *>(QApplication::activeModalWidget());
        introColour = catalogue->findChild<CaptionLabel *>(QStringLiteral("lblIntro"))->palette().color(
            QPalette::WindowText);
        titleColour = catalogue->findChild<CaptionLabel *>(QStringLiteral("lblTitle(0)"))->palette().color(
            QPalette::WindowText);
    });

    QVERIFY(catalogue);
    QVERIFY(!mainVisibleMeanwhile);
    QCOMPARE(introColour, QColor(118, 5, 184));
    QCOMPARE(titleColour, QColor(3, 27, 136));
    QVERIFY(!catalogue->isVisible());
    QVERIFY(window.isVisible());
    QCOMPARE(program.appExit.calls, 0);
}

void TestHelpAndCatalogue::quitting_data()
{
    QTest::addColumn<bool>("closeBox");

    QTest::newRow("Quit button") << false;
    QTest::newRow("closing the main window") << true;
}

void TestHelpAndCatalogue::quitting()
{
    QFETCH(bool, closeBox);
    Program program;
    frmMain &window = program.start();
    int exitsMeanwhile = -1;
    bool mainVisibleMeanwhile = true;
    QByteArray savedMeanwhile;

    frmQSsoftware *catalogue = whileCatalogueShown(
        [&] {
            if (closeBox)
                window.close();
            else
                program.click("cmdQuit");
        },
        [&] {
            exitsMeanwhile = program.appExit.calls;
            mainVisibleMeanwhile = window.isVisible();
            savedMeanwhile = program.registry.keys.value("Software\\Quenby Systems\\TVK").value("Params");
        });

    QVERIFY(catalogue);
    QCOMPARE(exitsMeanwhile, 0);
    QVERIFY(!mainVisibleMeanwhile);
    // Nothing was stored before, so the default colours were saved.
    QVERIFY2(savedMeanwhile.startsWith("001 064 128 192 002 224 224 224 "), savedMeanwhile.constData());
    QCOMPARE(program.appExit.calls, 1);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TestHelpAndCatalogue)
#include "tst_helpandcatalogue.moc"
