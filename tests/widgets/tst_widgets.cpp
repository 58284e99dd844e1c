// SPDX-License-Identifier: MIT
#include "color/colors.h"
#include "platform/messageboxes.h"
#include "support/recordingclipboard.h"
#include "support/scrollbarpictures.h"
#include "widgets/actionbutton.h"
#include "widgets/captionlabel.h"
#include "widgets/enterpressesbuttons.h"
#include "widgets/linetextbox.h"
#include "widgets/overlaylayer.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFontDatabase>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_Widgets : public QObject
{
    Q_OBJECT

private slots:
    void captionShowsAmpersandsAsAccessKeysDo_data();
    void captionShowsAmpersandsAsAccessKeysDo();
    void labelReportsAClickOnlyForALeftPressAndReleaseInside();
    void pictureReadsBackWhatWasDrawn();
    void printingMovesToTheNextLine();
    void linesLeavePrintedTextFree();
    void focusFrameShowsOnAnyColour_data();
    void focusFrameShowsOnAnyColour();
    void typingLimitHoldsOnlyForTyping();
    void menuPastesWithinTheLimit_data();
    void menuPastesWithinTheLimit();
    void keyUpFollowsOnlyAPressInTheBox_data();
    void keyUpFollowsOnlyAPressInTheBox();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void actionButtonFollowsItsActionFromTheStart();
    void cachedScrollBarLooksAsTheStyleDrawsIt_data();
    void cachedScrollBarLooksAsTheStyleDrawsIt();
    void realMessageBoxShowsTextTitleAndIcon();
};

void tst_Widgets::captionShowsAmpersandsAsAccessKeysDo_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("doubled") << QString("&&H1C32AB") << QString("&H1C32AB");
    QTest::newRow("access key") << QString("&Save") << QString("Save");
    QTest::newRow("trailing lone") << QString("a&") << QString("a");
    QTest::newRow("three") << QString("&&&x") << QString("&x");
    QTest::newRow("empty") << QString() << QString();
}

void tst_Widgets::captionShowsAmpersandsAsAccessKeysDo()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    CaptionLabel label;
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.text(), shown);
}

void tst_Widgets::labelReportsAClickOnlyForALeftPressAndReleaseInside()
{
    CaptionLabel label;
    label.resize(100, 20);
    int clicks = 0;
    connect(&label, &CaptionLabel::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks, 1);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 5));
    QCOMPARE(clicks, 1);
}

// Drawing and reading back stop at the picture's edges.
void tst_Widgets::pictureReadsBackWhatWasDrawn()
{
    PictureBox picture;
    picture.resize(10, 8);
    picture.setBackColor(0x123456);
    picture.pset(9, 7, 0xFFFFFF);
    QCOMPARE(picture.point(9, 7), 0xFFFFFF);
    picture.pset(10, 0, 0); // outside: ignored
    QCOMPARE(picture.point(10, 0), -1);
    QCOMPARE(picture.point(-1, 3), -1);
    QCOMPARE(picture.point(0, 8), -1);
    picture.box(-3, -3, 3, 3, 0xFF); // the outline's corner and its two edges inside show
    QCOMPARE(picture.point(3, 0), 0xFF);
    QCOMPARE(picture.point(0, 3), 0xFF);
    QCOMPARE(picture.point(3, 3), 0xFF);
    QCOMPARE(picture.point(0, 0), 0x123456);
}

// Lines over a picture leave its printed text and one point around it free, and come back where the text
// was painted over.
void tst_Widgets::linesLeavePrintedTextFree()
{
    PictureBox picture;
    picture.resize(65, 65);
    picture.setBackColor(0xFFFFFF);
    picture.setFont(QFont(QStringLiteral("Arial"), 8));
    picture.setForeColor(0);
    picture.setCurrentX(5);
    picture.setCurrentY(20);
    picture.print(QStringLiteral("red = 8"));
    QImage lines(65, 65, QImage::Format_ARGB32_Premultiplied);
    lines.fill(qRgb(255, 0, 0));
    auto *overlay = new OverlayLayer(&picture);
    overlay->setImage(lines);
    const auto shown = [&] { return picture.grab().toImage().convertToFormat(QImage::Format_RGB32); };

    const QRect text = picture.printedArea().boundingRect();
    QVERIFY(text.width() > 10 && text.left() >= 5 && text.top() >= 20);
    const QImage withText = shown();
    for (const QPoint &free :
         {text.topLeft(), text.bottomRight(), text.center(), text.topLeft() - QPoint(1, 1)})
        QVERIFY2(withText.pixel(free) != qRgb(255, 0, 0), qPrintable(QDebug::toString(free)));
    for (const QPoint &covered : {QPoint(0, 0), text.topLeft() - QPoint(2, 2), QPoint(64, 64)})
        QCOMPARE(withText.pixel(covered), qRgb(255, 0, 0));

    picture.paintRows(0, 0, 64, 64, [](int, quint32 *row, int from, int to) {
        std::fill(row + from, row + to + 1, 0xFF0000FFu);
    });
    QVERIFY(picture.printedArea().isEmpty());
    QCOMPARE(shown().pixel(text.center()), qRgb(255, 0, 0));
}

void tst_Widgets::printingMovesToTheNextLine()
{
    PictureBox picture;
    picture.resize(200, 60);
    picture.setBackColor(0xFFFFFF);
    picture.setForeColor(0);
    picture.setCurrentX(5);
    picture.setCurrentY(2);
    picture.print(QStringLiteral("Black"));
    QCOMPARE(picture.currentX(), 0.0);
    QVERIFY(picture.currentY() > 10);
    int black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            black += picture.point(x, y) == 0;
    QVERIFY(black > 10);
    picture.setBackColor(0xFFFFFF); // clears
    QCOMPARE(picture.point(8, 8), 0xFFFFFF);
    QCOMPARE(picture.currentY(), 0.0);
}

void tst_Widgets::focusFrameShowsOnAnyColour_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::newRow("black") << qRgb(0, 0, 0);
    QTest::newRow("white") << qRgb(255, 255, 255);
    QTest::newRow("grey") << qRgb(128, 128, 128);
}

void tst_Widgets::focusFrameShowsOnAnyColour()
{
    QFETCH(QRgb, colour);
    PictureBox picture;
    picture.resize(40, 30);
    picture.setFocusPolicy(Qt::StrongFocus);
    picture.setBackColor(Colors::fromQRgb(colour));
    picture.show();
    QVERIFY(QTest::qWaitForWindowActive(&picture));
    picture.setFocus();
    // Pixels of the top edge that differ from the picture by at least half the range.
    const QImage shown = picture.grab().toImage();
    int standOut = 0;
    for (int x = 0; x < 40; ++x)
        standOut += qAbs(qGray(shown.pixel(x, 0)) - qGray(colour)) >= 128;
    QVERIFY2(standOut >= 15, qPrintable(QString::number(standOut)));
    QCOMPARE(picture.point(0, 0), Colors::fromQRgb(colour)); // not drawn into what picks read back
}

void tst_Widgets::typingLimitHoldsOnlyForTyping()
{
    LineTextBox box;
    box.setTypingLimit(3);
    QTest::keyClicks(&box, "12345");
    QCOMPARE(box.text(), "123");
    box.setText("FFFFFFFF"); // the program may put in more
    QCOMPARE(box.text(), "FFFFFFFF");
    box.end(false);
    QTest::keyClick(&box, Qt::Key_A);
    QCOMPARE(box.text(), "FFFFFFFF");
    QTest::keyClick(&box, Qt::Key_Backspace); // the user may shorten it
    QCOMPARE(box.text(), "FFFFFFF");

    box.selectAll();
    QTest::keyClick(&box, Qt::Key_9); // typing over a selection replaces it
    QCOMPARE(box.text(), "9");
}

// The box's own menu, which reads the clipboard through the box's clipboard: without undo, and with Paste
// offered only when there is text, pasting no more than the limit allows.
void tst_Widgets::menuPastesWithinTheLimit_data()
{
    QTest::addColumn<QString>("clipboard"); // null: no text
    QTest::addColumn<QString>("after");     // the text after Paste, or null when Paste is not offered

    QTest::newRow("text") << "98765"
                          << "987";
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("no text") << QString() << QString();
}

void tst_Widgets::menuPastesWithinTheLimit()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    RecordingClipboard recording;
    recording.text = clipboard;
    recording.holdsText = !clipboard.isNull();
    LineTextBox box;
    box.setClipboard(&recording);
    box.setTypingLimit(3);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&box, &event);
    auto *menu = box.findChild<QMenu *>(QStringLiteral("qt_edit_menu"));
    QVERIFY(menu);
    QStringList names;
    for (const QAction *action : menu->actions())
        names << action->objectName();
    QCOMPARE(names,
             (QStringList{"edit-cut", "edit-copy", "edit-paste", "edit-delete", "", "edit-select-all"}));
    auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
    QCOMPARE(paste->isEnabled(), !after.isNull());
    if (!after.isNull()) {
        paste->trigger();
        QCOMPARE(box.text(), after);
    }
}

void tst_Widgets::keyUpFollowsOnlyAPressInTheBox_data()
{
    // A key pressed (+key), released (-key); 0 takes the focus away.
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<QList<int>>("reported");
    const int enter = Qt::Key_Return, a = Qt::Key_A;
    QTest::newRow("press and release") << QList{enter, -enter} << QList{enter};
    QTest::newRow("release of a press elsewhere") << QList{-enter} << QList<int>{};
    QTest::newRow("focus lost while down") << QList{enter, 0, -enter} << QList<int>{};
    QTest::newRow("overlapping") << QList{a, enter, -a, -enter} << QList{a, enter};
}

void tst_Widgets::keyUpFollowsOnlyAPressInTheBox()
{
    QFETCH(QList<int>, events);
    QFETCH(QList<int>, reported);
    LineTextBox box;
    QList<int> got;
    connect(&box, &LineTextBox::keyUp, [&got](int key) { got.append(key); });
    QFocusEvent out(QEvent::FocusOut);
    for (int key : events) {
        if (key == 0)
            QApplication::sendEvent(&box, &out);
        else
            QTest::sendKeyEvent(key > 0 ? QTest::Press : QTest::Release, &box, Qt::Key(qAbs(key)), QChar(),
                                {});
    }
    QCOMPARE(got, reported);
}

void tst_Widgets::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<bool>("otherIsDefault");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("clicked"); // "f" the focused button, "o" the other one
    QTest::newRow("window") << false << false << int(Qt::Key_Return) << "f";
    QTest::newRow("window, keypad Enter") << false << false << int(Qt::Key_Enter) << "f";
    QTest::newRow("dialog without a default") << true << false << int(Qt::Key_Return) << "f";
    QTest::newRow("dialog with a default") << true << true << int(Qt::Key_Return) << "o";
}

void tst_Widgets::enterPressesTheFocusedButton()
{
    QFETCH(bool, inDialog);
    QFETCH(bool, otherIsDefault);
    QFETCH(int, key);
    QFETCH(QString, clicked);
    EnterPressesButtons filter;
    qApp->installEventFilter(&filter);
    std::unique_ptr<QWidget> window(inDialog ? new QDialog : new QWidget);
    auto *focused = new QPushButton(QStringLiteral("Focused"), window.get());
    auto *other = new QPushButton(QStringLiteral("Other"), window.get());
    focused->setAutoDefault(false);
    other->setAutoDefault(false);
    other->setDefault(otherIsDefault);
    QString got;
    connect(focused, &QPushButton::clicked, [&got] { got += u'f'; });
    connect(other, &QPushButton::clicked, [&got] { got += u'o'; });
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(got, clicked);
}

void tst_Widgets::actionButtonFollowsItsActionFromTheStart()
{
    QAction action(QStringLiteral("&Load"));
    action.setEnabled(false);
    std::unique_ptr<QPushButton> button(actionButton(&action, QStringLiteral("cmdLoad")));
    QVERIFY(!button->isEnabled());
    action.setEnabled(true);
    QVERIFY(button->isEnabled());
}

void tst_Widgets::cachedScrollBarLooksAsTheStyleDrawsIt_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("pressed");
    QTest::newRow("horizontal, start") << Qt::Horizontal << 0 << true << false;
    QTest::newRow("horizontal, end") << Qt::Horizontal << 100 << true << false;
    QTest::newRow("vertical, middle") << Qt::Vertical << 50 << true << false;
    QTest::newRow("disabled") << Qt::Vertical << 30 << false << false;
    QTest::newRow("slider pressed") << Qt::Horizontal << 40 << true << true;
}

// The same bar drawn by the style itself and through the cache, then moved: the cache must show the new
// state, not the picture it kept, and draw a state it has seen only once.
void tst_Widgets::cachedScrollBarLooksAsTheStyleDrawsIt()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, value);
    QFETCH(bool, enabled);
    QFETCH(bool, pressed);
    ScrollBarPictures bars(orientation);
    for (QScrollBar *bar : bars.bars()) {
        bar->setValue(value);
        bar->setEnabled(enabled);
    }
    if (pressed)
        bars.pressSliders();
    QCOMPARE(bars.picture(bars.cached), bars.picture(bars.plain));
    QCOMPARE(bars.picture(bars.cached), bars.picture(bars.plain));
    QCOMPARE(bars.cachedStyle.picturesDrawn(), 1);
    for (QScrollBar *bar : bars.bars())
        bar->setValue(100 - value / 2);
    QCOMPARE(bars.picture(bars.cached), bars.picture(bars.plain));
    QCOMPARE(bars.cachedStyle.picturesDrawn(), 2);
    // The pointer over the slider, then over the first arrow: each part lights in turn.
    for (const QPoint at : {ScrollBarPictures::sliderCentre(bars.plain), QPoint(3, 3)}) {
        bars.hover(at);
        QCOMPARE(bars.picture(bars.cached), bars.picture(bars.plain));
    }
    // Pictured larger than the widget's own density, the bar cannot be laid from a picture: drawn as usual.
    QImage larger(bars.cached.size() * 3 / 2, QImage::Format_ARGB32_Premultiplied), plainLarger = larger;
    for (auto [bar, image] : {std::pair(&bars.cached, &larger), std::pair(&bars.plain, &plainLarger)}) {
        image->setDevicePixelRatio(1.5);
        image->fill(Qt::white);
        bar->render(image);
    }
    QCOMPARE(larger, plainLarger);
}

void tst_Widgets::realMessageBoxShowsTextTitleAndIcon()
{
    platform::QtMessageBoxes boxes;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int width = 0;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        width = box->width();
        QTest::keyClick(box, Qt::Key_Return);
    });
    boxes.show(nullptr, QStringLiteral("Done!"), QStringLiteral("Copy to clipboard"),
               platform::MessageIcon::Exclamation);
    QCOMPARE(text, "Done!");
    QCOMPARE(title, "Copy to clipboard");
    QCOMPARE(icon, QMessageBox::Warning);
    // A frame shows the title in bold beside an icon and three buttons, each about a line high.
    QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QCOMPARE_GE(width, metrics.horizontalAdvance(title) + 4 * metrics.height());
}

QTEST_MAIN(tst_Widgets)
#include "tst_widgets.moc"
