// SPDX-License-Identifier: MIT
#include "screenpick/screenpick.h"
#include "support/testservices.h"

#include <QApplication>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {

// A pick on a pair whose foreground is edited, against a white background, with the fake picker.
struct Picking
{
    Picking()
    {
        pair.setState({{{{qRgb(255, 255, 255), 1}, {qRgb(224, 224, 224), 2}}}, 1});
        pair.clearHistory();
        window.show();
    }

    ColorPair pair;
    TestServices doubles;
    FakeScreenPicker &picker = doubles.screenPicker;
    RecordingMessageBoxes &messages = doubles.messages;
    QWidget window;
    ScreenPick pick{pair, doubles.services(), window};
};

QWidget *loupeWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == u"Loupe")
            return widget;
    }
    return nullptr;
}

} // namespace

class tst_ScreenPick : public QObject
{
    Q_OBJECT

private slots:
    void pickEndsAsThePickerSays_data();
    void pickEndsAsThePickerSays();
    void loupeShowsThePixelsAroundThePointer();
    void pickEndsWhenTheWindowCannotTakeIt_data();
    void pickEndsWhenTheWindowCannotTakeIt();
    void pickWhereTheLoupeJustWasReadsAgain();
    void keysChooseASampleKeptForTheNextPick();
    void anAreaUnderTheLoupeIsReadOnceUncovered();
};

void tst_ScreenPick::pickEndsAsThePickerSays_data()
{
    QTest::addColumn<QString>("end");
    QTest::addColumn<QRgb>("foreground"); // the edited colour afterwards
    QTest::addColumn<QString>("message");

    QTest::newRow("picked") << "pick" << qRgb(1, 2, 3) << "";
    QTest::newRow("cancelled") << "cancel" << qRgb(224, 224, 224) << "";
    QTest::newRow("failed") << "fail" << qRgb(224, 224, 224) << "No pointer here.";
}

// While the user points, the colour under the pointer is the preview; the pick's end clears it, and only a
// pick changes the edited colour, keeping its base channel, as one step of undo.
void tst_ScreenPick::pickEndsAsThePickerSays()
{
    QFETCH(QString, end);
    QFETCH(QRgb, foreground);
    QFETCH(QString, message);

    Picking p;
    p.pick.start();
    QCOMPARE(p.picker.starts, 1);
    p.picker.hover(qRgb(9, 9, 9));
    QCOMPARE(p.pair.shownColor(1), qRgb(9, 9, 9));
    QCOMPARE(p.pair.foreground(), qRgb(224, 224, 224));
    if (end == u"pick")
        p.picker.pick(qRgb(1, 2, 3));
    else if (end == u"cancel")
        p.picker.cancel();
    else
        p.picker.fail(message);
    QVERIFY(!p.pair.preview());
    QCOMPARE(p.pair.foreground(), foreground);
    QCOMPARE(p.pair.baseChannel(1), 2);
    QCOMPARE(p.pair.canUndo(), end == u"pick");
    QCOMPARE(p.messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(p.messages.messages[0].text, message);
        QCOMPARE(p.messages.messages[0].title, QStringLiteral("Pick from screen"));
    }
}

// The loupe shows the pixels the picker reads around the pointer, 17 at 12 times, clear of them, with the
// centre's figures against the other colour; the wheel's magnification holds for the next pick.
void tst_ScreenPick::loupeShowsThePixelsAroundThePointer()
{
    Picking p;
    p.pick.start();
    p.picker.point(QPoint(256, 256));
    QWidget *loupe = loupeWindow();
    QVERIFY(loupe && loupe->isVisible());
    QCOMPARE(p.picker.areas.back(), QRect(248, 248, 17, 17));
    QVERIFY(!loupe->geometry().intersects(QRect(248 - 16, 248 - 16, 17 + 32, 17 + 32)));
    const QImage shown = loupe->grab().toImage();
    for (int y = 0; y < 17; ++y) {
        for (int x = 0; x < 17; ++x)
            QCOMPARE(shown.pixel(1 + 12 * x + 6, 1 + 12 * y + 6),
                     FakeScreenPicker::patternAt(QPoint(248 + x, 248 + y)));
    }
    // The centre #000080 against the white background: 1.05 / 0.0656.
    QCOMPARE(loupe->accessibleDescription(), QStringLiteral("#000080  16.00:1"));

    p.picker.turnWheel(1);
    QCOMPARE(p.picker.areas.back(), QRect(250, 250, 13, 13));
    p.picker.cancel();
    QVERIFY(!loupe->isVisible());
    p.pick.start();
    p.picker.point(QPoint(100, 100));
    QCOMPARE(p.picker.areas.back(), QRect(94, 94, 13, 13));
}

void tst_ScreenPick::pickEndsWhenTheWindowCannotTakeIt_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("a modal window opens") << "modal";
    QTest::newRow("the window hides") << "hide";
    QTest::newRow("the window closes") << "close";
    QTest::newRow("the program is told to end") << "quit";
}

// The grab ends with the pick, and an answer that still comes changes nothing, so that the save on quitting
// sees the final colours.
void tst_ScreenPick::pickEndsWhenTheWindowCannotTakeIt()
{
    QFETCH(QString, event);

    Picking p;
    p.pick.start();
    p.picker.point(QPoint(200, 200));
    p.picker.hover(qRgb(9, 9, 9));
    QDialog box(&p.window);
    if (event == u"modal") {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
    } else if (event == u"hide") {
        p.window.hide();
    } else if (event == u"close") {
        p.window.close();
    } else {
        QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit"));
    }
    QVERIFY(!p.picker.active);
    QVERIFY(!p.pair.preview());
    QVERIFY(!loupeWindow()->isVisible());
    p.picker.pick(qRgb(1, 2, 3));
    QCOMPARE(p.pair.foreground(), qRgb(224, 224, 224));
    QVERIFY(!p.pair.canUndo());
}

// A pointer that jumps to where the loupe just was may find the window there not yet repainted: the pixel
// is read again a moment later, and that colour is taken.
void tst_ScreenPick::pickWhereTheLoupeJustWasReadsAgain()
{
    Picking p;
    p.pick.start();
    p.picker.point(QPoint(400, 300));
    const QPoint underTheLoupe = loupeWindow()->geometry().center();
    p.picker.point(underTheLoupe);
    p.picker.pick(qRgb(1, 2, 3));
    QCOMPARE(p.pair.foreground(), qRgb(224, 224, 224));
    QTRY_COMPARE(p.pair.foreground(), FakeScreenPicker::patternAt(underTheLoupe));
    QCOMPARE(p.picker.areas.back(), QRect(underTheLoupe, QSize(1, 1)));
}

// 3 takes the mean of three by three, which the loupe outlines and tells; the choice holds for the next pick.
void tst_ScreenPick::keysChooseASampleKeptForTheNextPick()
{
    Picking p;
    p.pick.start();
    p.picker.point(QPoint(256, 256));
    p.picker.chooseSampleSize(3);
    QCOMPARE(p.picker.sampleSize, 3);
    // Around (256, 256) the pattern's red and green are 255, 0 and 1: their mean is 85.3, #555580 against
    // white 7.006:1.
    QCOMPARE(loupeWindow()->accessibleDescription(), QStringLiteral("#555580  7.00:1  (3x3)"));
    p.picker.cancel();
    p.picker.sampleSize = 1;
    p.pick.start();
    QCOMPARE(p.picker.sampleSize, 3);
}

// The pixels of an area are read once the loupe no longer covers them and the window below has had the
// time to repaint, and handed on as they are.
void tst_ScreenPick::anAreaUnderTheLoupeIsReadOnceUncovered()
{
    Picking p;
    QSignalSpy taken(&p.pick, &ScreenPick::areaTaken);
    p.pick.startArea();
    QCOMPARE(p.picker.areaStarts, 1);
    // Dragged up and to the left: the loupe, right of and below the pointer, lies over the area.
    p.picker.startCorner(QPoint(500, 400));
    p.picker.point(QPoint(300, 200));
    const QRect area(300, 200, 201, 201);
    QVERIFY(loupeWindow()->geometry().intersects(area));
    p.picker.pickArea(area);
    QVERIFY(!loupeWindow()->isVisible());
    QCOMPARE(taken.size(), 0);
    QTRY_COMPARE(taken.size(), 1);
    QCOMPARE(taken[0][1].toRect(), area);
    const QImage pixels = taken[0][0].value<QImage>();
    QCOMPARE(pixels.size(), area.size());
    QCOMPARE(pixels.pixel(5, 7), FakeScreenPicker::patternAt(QPoint(305, 207)));
    QVERIFY(!p.pair.canUndo());
}

QTEST_MAIN(tst_ScreenPick)
#include "tst_screenpick.moc"
