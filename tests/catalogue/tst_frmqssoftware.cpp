#include "catalogue/frmqssoftware.h"
#include "catalogue/softwarelist.h"
#include "platform/captionlabel.h"
#include "web/homepage.h"

#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

using platform::MessageIcon;

namespace {

constexpr qint32 kTitleColour = 0x881B03; // red 3, green 27, blue 136
constexpr qint32 kIntroColour = 0xB80576; // red 118, green 5, blue 184

// Clicks a part of the scroll bar as the user would: an arrow for a small step, the trough for a large one.
void clickScrollBar(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

struct Catalogue
{
    RecordingShell shell;
    RecordingMessageBoxes messages;
    QWidget mainWindow;
    frmQSsoftware *window = nullptr;

    Catalogue()
    {
        QPalette palette = mainWindow.palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 192));
        mainWindow.setPalette(palette);
        mainWindow.setGeometry(200, 100, 619, 547);
        window = new frmQSsoftware(shell, messages, &mainWindow);
        window->lngIntroForeColor = kIntroColour;
        window->lngTitleForeColor = kTitleColour;
        window->lngDescriptionForeColor = 0;
    }

    template <typename T> T *find(const QString &name) const { return window->findChild<T *>(name); }
    CaptionLabel *title(int row) const { return find<CaptionLabel>(QStringLiteral("lblTitle(%1)").arg(row)); }
    CaptionLabel *description(int row) const
    {
        return find<CaptionLabel>(QStringLiteral("lblDescription(%1)").arg(row));
    }
    QScrollBar *scrollBar() const { return find<QScrollBar>(QStringLiteral("VScroll")); }
    QPushButton *closeButton() const { return find<QPushButton>(QStringLiteral("cmdClose")); }

    // Shows the window modally and runs steps inside it, then closes it with Close or the title bar.
    void runModal(const std::function<void()> &steps, bool titleBarClose = false)
    {
        QWidget *modal = nullptr;
        QTimer::singleShot(0, window, [&] {
            modal = QApplication::activeModalWidget();
            steps();
            if (titleBarClose)
                window->close();
            else
                QTest::mouseClick(closeButton(), Qt::LeftButton);
        });
        window->exec();
        QCOMPARE(modal, window);
        QVERIFY(!window->isVisible());
    }
};

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

} // namespace

class TestFrmQSsoftware : public QObject
{
    Q_OBJECT

private slots:
    void loading();
    void scrolling_data();
    void scrolling();
    void clickOpensPage_data();
    void clickOpensPage();
    void launchFailureHasOwnLine();
    void closeKeepsStateTitleBarUnloads();
};

void TestFrmQSsoftware::loading()
{
    Catalogue c;
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window));

    // 400 twips below and 100 to the right of the main window.
    QTRY_COMPARE(c.window->pos() - c.mainWindow.pos(), QPoint(7, 27));
    QCOMPARE(c.window->size(), QSize(613, 428));
    QCOMPARE(textColour(c.find<CaptionLabel>(QStringLiteral("lblIntro"))), QColor(118, 5, 184));
    QCOMPARE(textColour(c.title(13)), QColor(3, 27, 136));
    QCOMPARE(textColour(c.description(13)), QColor(0, 0, 0));
    QCOMPARE(c.find<QWidget>(QStringLiteral("PicBox"))->palette().color(QPalette::Window), QColor(192, 192, 192));

    // Rows 1550 twips apart; the PicBox shows the first three whole and nothing of the fourth.
    QCOMPARE(c.description(2)->geometry().bottom() + 1, c.find<QWidget>(QStringLiteral("PicBox"))->height());
    QVERIFY(c.title(3)->y() >= c.find<QWidget>(QStringLiteral("PicBox"))->height());

    QScrollBar *bar = c.scrollBar();
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 11);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 3);
}

void TestFrmQSsoftware::scrolling_data()
{
    QTest::addColumn<int>("smallSteps");
    QTest::addColumn<int>("largeSteps");
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("one small step") << 1 << 0 << 1
                                    << QStringList{"Batch Renamer", "Character Map Plus", "Clipboard Keeper",
                                                   "Date Calculator"};
    QTest::newRow("one large step") << 0 << 1 << 3
                                    << QStringList{"Clipboard Keeper", "Date Calculator", "Disk Space Viewer",
                                                   "File Compare"};
    QTest::newRow("to the end by large steps")
        << 0 << 4 << 11 << QStringList{"Screen Ruler", "Text Search", "Unit Converter", ""};
    QTest::newRow("past the end by small steps")
        << 13 << 0 << 11 << QStringList{"Screen Ruler", "Text Search", "Unit Converter", ""};
}

void TestFrmQSsoftware::scrolling()
{
    QFETCH(int, smallSteps);
    QFETCH(int, largeSteps);
    QFETCH(int, first);
    QFETCH(QStringList, titles);
    Catalogue c;
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window));
    SoftwareItemTable items;
    FillSoftwareList(kHomePage, items);

    for (int i = 0; i < largeSteps; ++i)
        clickScrollBar(c.scrollBar(), QStyle::SC_ScrollBarAddPage);
    for (int i = 0; i < smallSteps; ++i)
        clickScrollBar(c.scrollBar(), QStyle::SC_ScrollBarAddLine);

    QCOMPARE(c.scrollBar()->value(), first);
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(c.title(row)->caption(), titles[row]);
        const QString description =
            titles[row].isEmpty() ? QString() : items[first + row].Description + "\r\n" + items[first + row].URL;
        QCOMPARE(c.description(row)->caption(), description);
    }
    // Rows below the fourth are never re-captioned.
    QCOMPARE(c.title(4)->caption(), QStringLiteral("Date Calculator"));
    QCOMPARE(c.window->focusWidget(), c.closeButton());
}

void TestFrmQSsoftware::clickOpensPage_data()
{
    QTest::addColumn<int>("scrollTo");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("turnsRed");
    QTest::addColumn<bool>("keyboard");

    QTest::newRow("title of second row after scrolling to 5")
        << 5 << "lblTitle(1)" << "filecomp/filecomp.htm" << true << false;
    QTest::newRow("description of second row after scrolling to 5")
        << 5 << "lblDescription(1)" << "filecomp/filecomp.htm" << false << false;
    QTest::newRow("title of second row with Enter after scrolling to 5")
        << 5 << "lblTitle(1)" << "filecomp/filecomp.htm" << true << true;
}

void TestFrmQSsoftware::clickOpensPage()
{
    QFETCH(int, scrollTo);
    QFETCH(QString, label);
    QFETCH(QString, page);
    QFETCH(bool, turnsRed);
    QFETCH(bool, keyboard);
    Catalogue c;
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window));
    c.scrollBar()->setValue(scrollTo);

    auto *clicked = c.find<CaptionLabel>(label);
    const QColor before = textColour(clicked);
    if (keyboard) {
        c.title(0)->setFocus(Qt::TabFocusReason); // the titles follow each other in the tab order
        QTest::keyClick(c.title(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), clicked);
        QTest::keyClick(clicked, Qt::Key_Return);
    } else {
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QCOMPARE(c.shell.urls, QStringList{kHomePage + page});
    QCOMPARE(textColour(clicked), turnsRed ? QColor(255, 0, 0) : before);
    QVERIFY(c.messages.messages.isEmpty());

    // A red title stays red when its row shows another item.
    c.scrollBar()->setValue(scrollTo == 0 ? 1 : 0);
    QCOMPARE(textColour(clicked), turnsRed ? QColor(255, 0, 0) : before);
}

void TestFrmQSsoftware::launchFailureHasOwnLine()
{
    Catalogue c;
    c.shell.result = 31;
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window));

    QTest::mouseClick(c.title(0), Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(c.messages.messages.size(), 1);
    QCOMPARE(c.messages.messages[0].text,
             QStringLiteral("Error launching web browser, error code = 31.\r\n\r\n"
                            "The web page file type htm is not associated with any browser program."));
    QCOMPARE(c.messages.messages[0].title, QStringLiteral("Cannot launch web browser"));
    QCOMPARE(c.messages.messages[0].icon, MessageIcon::Exclamation);
    QVERIFY(c.window->isVisible());
}

void TestFrmQSsoftware::closeKeepsStateTitleBarUnloads()
{
    Catalogue c;
    c.runModal([&] {
        c.scrollBar()->setValue(5);
        QTest::mouseClick(c.title(1), Qt::LeftButton, {}, QPoint(5, 5));
    });

    // Close only hid the window: the same scroll position, captions and red title.
    c.runModal([&] {
        QCOMPARE(c.scrollBar()->value(), 5);
        QCOMPARE(c.title(0)->caption(), QStringLiteral("Disk Space Viewer"));
        QCOMPARE(textColour(c.title(1)), QColor(255, 0, 0));
    }, true);

    // The title bar's close box unloaded it: loading runs again.
    c.runModal([&] {
        QCOMPARE(c.scrollBar()->value(), 0);
        QCOMPARE(c.title(0)->caption(), QStringLiteral("Address Book"));
        QCOMPARE(textColour(c.title(1)), QColor(3, 27, 136));
        QCOMPARE(c.window->findChildren<QScrollBar *>().size(), 1);
    });
}

QTEST_MAIN(TestFrmQSsoftware)
#include "tst_frmqssoftware.moc"
