// SPDX-License-Identifier: MIT
#include "screenpick/screenpick.h"
#include "support/fakescreenpicker.h"
#include "support/recordingmessageboxes.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

class tst_ScreenPick : public QObject
{
    Q_OBJECT

private slots:
    void pickEndsAsThePickerSays_data();
    void pickEndsAsThePickerSays();
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

    ColorPair pair;
    pair.setState({{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 1});
    pair.clearHistory();
    FakeScreenPicker picker;
    RecordingMessageBoxes messages;
    Services services;
    services.messages = &messages;
    services.screenPicker = &picker;
    QWidget window;
    ScreenPick pick(pair, services, window);

    pick.start();
    QCOMPARE(picker.starts, 1);
    picker.hover(qRgb(9, 9, 9));
    QCOMPARE(pair.shownColor(1), qRgb(9, 9, 9));
    QCOMPARE(pair.foreground(), qRgb(224, 224, 224));
    if (end == u"pick")
        picker.pick(qRgb(1, 2, 3));
    else if (end == u"cancel")
        picker.cancel();
    else
        picker.fail(message);
    QVERIFY(!pair.preview());
    QCOMPARE(pair.foreground(), foreground);
    QCOMPARE(pair.baseChannel(1), 2);
    QCOMPARE(pair.canUndo(), end == u"pick");
    QCOMPARE(messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(messages.messages[0].text, message);
        QCOMPARE(messages.messages[0].title, QStringLiteral("Pick from screen"));
    }
}

QTEST_MAIN(tst_ScreenPick)
#include "tst_screenpick.moc"
