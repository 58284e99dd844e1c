// SPDX-License-Identifier: MIT
#include "accessibility/accessibility.h"
#include "catalogue/frmqssoftware.h"
#include "catalogue/softwarelist.h"
#include "web/homepage.h"
#include "widgets/captionlabel.h"
#include "widgets/enterpressesbuttons.h"

#include "support/recordingmessageboxes.h"
#include "support/recordingshell.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

const QColor kRed(255, 0, 0);
const QColor kTitleColour(3, 27, 136);

// Clicks a part of the scroll bar as the user would: an arrow for a small step, the trough for a large one.
void clickScrollBar(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rect.center());
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

// The catalogue over a grey main window. Its description colour is not the program's black, which a label
// would show anyway.
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
        window->lngIntroForeColor = 0xB80576;
        window->lngTitleForeColor = 0x881B03;
        window->lngDescriptionForeColor = 0x006400;
    }

    bool show() const
    {
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    CaptionLabel *title(int row) const { return find<CaptionLabel>(QStringLiteral("lblTitle(%1)").arg(row)); }
    CaptionLabel *description(int row) const
    {
        return find<CaptionLabel>(QStringLiteral("lblDescription(%1)").arg(row));
    }
    QScrollBar *scrollBar() const { return find<QScrollBar>(QStringLiteral("VScroll")); }
};

} // namespace

class tst_FrmQSsoftware : public QObject
{
    Q_OBJECT

private slots:
    // As in the program, where Enter presses the focused button, and screen readers read our own widgets.
    void initTestCase()
    {
        EnterPressesButtons::install(*qApp);
        accessibility::install();
    }
    void loading();
    void readsEachShownProgramOnce();
    void scrolling_data();
    void scrolling();
    void clickOpensPage_data();
    void clickOpensPage();
    void closeKeepsStateTitleBarUnloads();
    void opensWithTheFocusShownOnClose_data();
    void opensWithTheFocusShownOnClose();
};

void tst_FrmQSsoftware::loading()
{
    Catalogue c;
    QVERIFY(c.show());

    QCOMPARE(c.window->size(), QSize(613, 428));
    QCOMPARE(textColour(c.find(QStringLiteral("lblIntro"))), QColor(118, 5, 184));
    // The last row's labels are copies of the first ones and take their colours.
    QCOMPARE(textColour(c.title(13)), kTitleColour);
    QCOMPARE(textColour(c.description(13)), QColor(0, 100, 0));
    QWidget *picBox = c.find(QStringLiteral("PicBox"));
    QCOMPARE(picBox->palette().color(QPalette::Window), QColor(192, 192, 192));

    // Rows 1550 twips apart; the PicBox shows the first three whole and nothing of the fourth.
    QCOMPARE(c.description(2)->geometry().bottom() + 1, picBox->height());
    QVERIFY(c.title(3)->y() >= picBox->height());
}

// The clipped rows are not read: a screen reader meets the programs that show, each once, their titles as
// links, and after a scroll the programs that then show.
void tst_FrmQSsoftware::readsEachShownProgramOnce()
{
    Catalogue c;
    QVERIFY(c.show());
    const auto links = [&] {
        QStringList names;
        QAccessibleInterface *programs =
            QAccessible::queryAccessibleInterface(c.find(QStringLiteral("PicBox")));
        for (int i = 0; i < programs->childCount(); ++i) {
            if (programs->child(i)->role() == QAccessible::Link)
                names << programs->child(i)->text(QAccessible::Name);
        }
        return names;
    };
    QCOMPARE(links(), (QStringList{"Address Book", "Batch Renamer", "Character Map Plus"}));
    c.scrollBar()->setValue(3);
    QCOMPARE(links(), (QStringList{"Clipboard Keeper", "Date Calculator", "Disk Space Viewer"}));
}

void tst_FrmQSsoftware::scrolling_data()
{
    QTest::addColumn<QStringList>("input"); // what the user does, in order
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("titles");

    const QStringList atThree{"Clipboard Keeper", "Date Calculator", "Disk Space Viewer", "File Compare"};
    const QStringList atEleven{"Screen Ruler", "Text Search", "Unit Converter", ""};

    QTest::newRow("scroll bar trough") << QStringList{"trough"} << 3 << atThree;
    QTest::newRow("past the end by arrows") << QStringList(13, "arrow") << 11 << atEleven;
    // Keys work wherever the focus is: on a title, on the scroll bar reached with Tab.
    QTest::newRow("Page Down on a title") << QStringList{"title", "PageDown"} << 3 << atThree;
    QTest::newRow("End on the scroll bar")
        << QStringList{"title", "Tab", "Tab", "Tab", "on the bar", "End"} << 11 << atEleven;
    QTest::newRow("Page Down, Up, Home")
        << QStringList{"PageDown", "Up", "Home"} << 0
        << QStringList{"Address Book", "Batch Renamer", "Character Map Plus", "Clipboard Keeper"};
}

void tst_FrmQSsoftware::scrolling()
{
    QFETCH(QStringList, input);
    QFETCH(int, first);
    QFETCH(QStringList, titles);
    Catalogue c;
    QVERIFY(c.show());
    QVERIFY(QTest::qWaitForWindowActive(c.window));
    c.find(QStringLiteral("cmdClose"))->setFocus();
    SoftwareItemTable items;
    FillSoftwareList(kHomePage, items);

    const QMap<QString, Qt::Key> keys{{"Up", Qt::Key_Up},
                                      {"PageDown", Qt::Key_PageDown},
                                      {"Home", Qt::Key_Home},
                                      {"End", Qt::Key_End},
                                      {"Tab", Qt::Key_Tab}};
    for (const QString &step : input) {
        if (step == u"arrow" || step == u"trough") {
            clickScrollBar(c.scrollBar(),
                           step == u"arrow" ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarAddPage);
        } else if (step == u"title") {
            c.title(0)->setFocus(Qt::TabFocusReason);
        } else if (step == u"on the bar") {
            QCOMPARE(QApplication::focusWidget(), c.scrollBar());
        } else {
            QTest::keyClick(QApplication::focusWidget(), keys.value(step));
        }
    }
    QCOMPARE(c.scrollBar()->value(), first);
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(c.title(row)->caption(), titles[row]);
        const SoftwareItem &item = items[first + row];
        const QString description = titles[row].isEmpty() ? QString() : item.Description + "\r\n" + item.URL;
        QCOMPARE(c.description(row)->caption(), description);
    }
    // Rows below the fourth are never re-captioned.
    QCOMPARE(c.title(4)->caption(), QStringLiteral("Date Calculator"));
    QCOMPARE(c.window->focusWidget(), c.find(QStringLiteral("cmdClose")));
}

void tst_FrmQSsoftware::clickOpensPage_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<qint32>("shellResult");
    QTest::addColumn<QString>("message"); // empty: none

    // After scrolling to 5 the second row shows item 6. The launcher's messages are its own to test; this
    // window words only the no-association line its own way.
    QTest::newRow("title") << "lblTitle(1)" << false << 42 << "";
    QTest::newRow("description") << "lblDescription(1)" << false << 42 << "";
    QTest::newRow("title with Tab and Enter") << "lblTitle(1)" << true << 42 << "";
    QTest::newRow("title, no browser for the page")
        << "lblTitle(1)" << false << 31
        << "Error launching web browser, error code = 31.\r\n\r\n"
           "The web page file type htm is not associated with any browser program.";
}

void tst_FrmQSsoftware::clickOpensPage()
{
    QFETCH(QString, label);
    QFETCH(bool, keyboard);
    QFETCH(qint32, shellResult);
    QFETCH(QString, message);
    Catalogue c;
    c.shell.result = shellResult;
    QVERIFY(c.show());
    c.scrollBar()->setValue(5);

    auto *clicked = c.find<CaptionLabel>(label);
    // Titles turn red; descriptions keep their colour.
    const QColor colour = label.startsWith(u"lblTitle") ? kRed : textColour(clicked);
    if (keyboard) {
        c.title(0)->setFocus(Qt::TabFocusReason); // the titles follow each other in the tab order
        QTest::keyClick(c.title(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), clicked);
        QTest::keyClick(clicked, Qt::Key_Return);
    } else {
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QCOMPARE(c.shell.urls, QStringList{kHomePage + "filecomp/filecomp.htm"});
    QCOMPARE(textColour(clicked), colour);
    QCOMPARE(c.messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(c.messages.messages[0].text, message);
    QVERIFY(c.window->isVisible());

    // The red title belongs to the program: one step up, it shows in the third row, and the second is plain.
    c.scrollBar()->setValue(4);
    QCOMPARE(textColour(c.title(2)), label.startsWith(u"lblTitle") ? kRed : kTitleColour);
    QCOMPARE(textColour(c.title(1)), kTitleColour);
}

void tst_FrmQSsoftware::closeKeepsStateTitleBarUnloads()
{
    Catalogue c;
    QVERIFY(c.show());
    c.scrollBar()->setValue(5);
    QTest::mouseClick(c.title(1), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(c.find(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(!c.window->isVisible());

    // Close only hid the window: the same scroll position, captions and red title.
    QVERIFY(c.show());
    QCOMPARE(c.scrollBar()->value(), 5);
    QCOMPARE(c.title(0)->caption(), QStringLiteral("Disk Space Viewer"));
    QCOMPARE(textColour(c.title(1)), kRed);

    // The title bar's close box unloads it: loading runs again.
    c.window->close();
    QVERIFY(c.show());
    QCOMPARE(c.scrollBar()->value(), 0);
    QCOMPARE(c.title(0)->caption(), QStringLiteral("Address Book"));
    QCOMPARE(textColour(c.title(1)), kTitleColour);
    QCOMPARE(c.window->findChildren<QScrollBar *>().size(), 1);
}

void tst_FrmQSsoftware::opensWithTheFocusShownOnClose_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("pages");

    QTest::newRow("Enter closes") << QList<int>{Qt::Key_Return} << true << 0;
    QTest::newRow("Escape closes") << QList<int>{Qt::Key_Escape} << true << 0;
    QTest::newRow("Tab, then Enter opens the first title")
        << QList<int>{Qt::Key_Tab, Qt::Key_Return} << false << 1;
}

void tst_FrmQSsoftware::opensWithTheFocusShownOnClose()
{
    QFETCH(QList<int>, keys);
    QFETCH(bool, closed);
    QFETCH(int, pages);
    Catalogue c;
    QVERIFY(c.show());
    c.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(c.window));
    auto *close = c.find<QPushButton>(QStringLiteral("cmdClose"));
    QCOMPARE(QApplication::focusWidget(), close);
    // The focus frame shows on the button before any key was pressed, and on a title reached with Tab.
    const QImage focused = close->grab().toImage();
    c.title(0)->setFocus(Qt::TabFocusReason);
    const QImage titleFocused = c.title(0)->grab().toImage();
    QVERIFY(close->grab().toImage() != focused);
    close->setFocus(Qt::OtherFocusReason);
    QVERIFY(c.title(0)->grab().toImage() != titleFocused);

    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(!c.window->isVisible(), closed);
    QCOMPARE(c.shell.urls.size(), pages);
}

QTEST_MAIN(tst_FrmQSsoftware)
#include "tst_frmqssoftware.moc"
