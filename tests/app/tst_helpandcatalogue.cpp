// SPDX-License-Identifier: MIT
#include "catalogue/frmqssoftware.h"
#include "viewer/frmview.h"
#include "widgets/multilinetextbox.h"

#include "support/mainwindowfixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

QString helpPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tvk_help.txt");
}

QColor textColour(const QWidget *parent, const QString &name)
{
    return parent->findChild<QWidget *>(name)->palette().color(QPalette::WindowText);
}

// While action shows the catalogue modally, runs inspect inside it, then closes it with its Close button.
frmQSsoftware *whileCatalogueShown(const std::function<void()> &action,
                                   const std::function<void(frmQSsoftware *)> &inspect)
{
    frmQSsoftware *shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<frmQSsoftware *>(QApplication::activeModalWidget());
        if (!shown)
            return;
        inspect(shown);
        QTest::mouseClick(shown->findChild<QPushButton *>("cmdClose"), Qt::LeftButton);
    });
    action();
    return shown;
}

} // namespace

class tst_HelpAndCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void helpShowsViewerBesideAndReadsAgain();
    void catalogue_data();
    void catalogue();
};

void tst_HelpAndCatalogue::helpShowsViewerBesideAndReadsAgain()
{
    MainWindowFixture f;
    frmMain &window = f.start();
    f.files.setText(helpPath(), QStringLiteral("How to use the program.\r\n"));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(f.control("cmdHelp"), Qt::LeftButton);

    auto *viewer = window.findChild<frmView *>();
    QVERIFY(viewer);
    QTRY_VERIFY(viewer->blnFileDisplayed());
    QCOMPARE(viewer->findChild<MultiLineTextBox *>()->text(), QStringLiteral("How to use the program.\r\n"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Help for TVK"));
    QCOMPARE(viewer->windowIcon().pixmap(32).toImage(), window.windowIcon().pixmap(32).toImage());
    QVERIFY(!QApplication::activeModalWidget());
    // Beside the main window and as high; where exactly is the placement's own test.
    QTRY_COMPARE(viewer->frameGeometry().top(), window.frameGeometry().top());

    // Close only hides; a second press shows the same window, which reads the file again. The file is gone
    // now: the viewer's own test covers the message, here the viewer must go and the main window stay.
    QTest::mouseClick(viewer->findChild<QPushButton *>("cmdClose"), Qt::LeftButton);
    f.files.remove(helpPath());
    QTest::mouseClick(f.control("cmdHelp"), Qt::LeftButton);
    QTRY_COMPARE(f.messages.messages.size(), 1);
    QCOMPARE(f.messages.messages[0].title, QStringLiteral("Error reading file"));
    QCOMPARE(window.findChildren<frmView *>(), QList<frmView *>{viewer});
    QVERIFY(!viewer->isVisible());
    QVERIFY(window.isVisible());
}

void tst_HelpAndCatalogue::catalogue_data()
{
    QTest::addColumn<QString>("action"); // a button, or empty for closing the main window
    QTest::addColumn<bool>("quits");
    QTest::addColumn<bool>("saveFails");

    QTest::newRow("catalogue button, the main window returns") << "cmdQSsoftware" << false << false;
    QTest::newRow("Quit button") << "cmdQuit" << true << false;
    QTest::newRow("closing the main window") << "" << true << false;
    QTest::newRow("Quit after a failed save") << "cmdQuit" << true << true;
}

void tst_HelpAndCatalogue::catalogue()
{
    QFETCH(QString, action);
    QFETCH(bool, quits);
    QFETCH(bool, saveFails);
    MainWindowFixture f;
    frmMain &window = f.start();
    f.registry.createFailure = saveFails ? 5 : 0;
    int exitsMeanwhile = -1;
    bool mainVisibleMeanwhile = true;
    QByteArray savedMeanwhile;
    QColor introColour, titleColour;

    frmQSsoftware *catalogue = whileCatalogueShown(
        [&] {
            action.isEmpty() ? void(window.close()) : QTest::mouseClick(f.control(action), Qt::LeftButton);
        },
        [&](frmQSsoftware *shown) {
            exitsMeanwhile = f.appExit.calls;
            mainVisibleMeanwhile = window.isVisible();
            savedMeanwhile = f.registry.keys.value("Software\\Quenby Systems\\TVK").value("Params");
            introColour = textColour(shown, QStringLiteral("lblIntro"));
            titleColour = textColour(shown, QStringLiteral("lblTitle(0)"));
        });

    QVERIFY(catalogue);
    QCOMPARE(exitsMeanwhile, 0);
    QVERIFY(!mainVisibleMeanwhile);
    QCOMPARE(introColour, QColor(118, 5, 184));
    QCOMPARE(titleColour, QColor(3, 27, 136));
    // Quitting saves first; nothing was stored before, so the default colours were saved.
    QVERIFY2(savedMeanwhile.startsWith("001 064 128 192 002 224 224 224 ") == (quits && !saveFails),
             savedMeanwhile.constData());
    // A failed save is told before the catalogue, and quitting goes on.
    QCOMPARE(f.messages.messages.size(), saveFails ? 1 : 0);
    if (saveFails) {
        QCOMPARE(f.messages.messages[0].title, QStringLiteral("Cannot save colors"));
        QVERIFY(f.messages.messages[0].text.startsWith(QStringLiteral("5 ")));
        QCOMPARE(f.messages.messages[0].icon, platform::MessageIcon::Exclamation);
    }
    QCOMPARE(f.appExit.calls, quits ? 1 : 0);
    QCOMPARE(window.isVisible(), !quits);
}

QTEST_MAIN(tst_HelpAndCatalogue)
#include "tst_helpandcatalogue.moc"
