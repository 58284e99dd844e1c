// SPDX-License-Identifier: MIT
#include "screenpick/loupepicture.h"
#include "screenpick/loupeplacement.h"
#include "screenpick/sample.h"

#include <QColor>
#include <QTest>

class tst_Loupe : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void levelAfter_data();
    void levelAfter();
    void outlineColor_data();
    void outlineColor();
    void picture_data();
    void picture();
    void sampleOutline();
    void sampleMean_data();
    void sampleMean();
    void caption();
};

void tst_Loupe::placement_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");

    // A loupe of 218 x 240 showing 13 pixels to each side: its near edge 30 pixels from the pointer, so a
    // loupe on the left starts 30 + 217 pixels left of it.
    const QRect screen(0, 0, 1024, 768), second(1024, 0, 1024, 768);
    QTest::newRow("room right and below") << QPoint(500, 400) << screen << QPoint(530, 430);
    QTest::newRow("just fits on the right") << QPoint(776, 400) << screen << QPoint(806, 430);
    QTest::newRow("one pixel short on the right") << QPoint(777, 400) << screen << QPoint(530, 430);
    QTest::newRow("near the bottom") << QPoint(500, 700) << screen << QPoint(530, 431);
    QTest::newRow("bottom right corner") << QPoint(1023, 767) << screen << QPoint(776, 498);
    QTest::newRow("on the second screen") << QPoint(1100, 10) << second << QPoint(1130, 40);
    QTest::newRow("at the second screen's right edge") << QPoint(2040, 10) << second << QPoint(1793, 40);
    QTest::newRow("screen too narrow, more room left")
        << QPoint(150, 400) << QRect(0, 0, 200, 768) << QPoint(-97, 430);
    QTest::newRow("screen too narrow, more room right")
        << QPoint(40, 400) << QRect(0, 0, 200, 768) << QPoint(70, 430);
}

// The loupe sits beside the pointer, flips near a screen's edges, and never covers the pixels it shows.
void tst_Loupe::placement()
{
    QFETCH(QPoint, pointer);
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);

    const QSize size(218, 240);
    const QRect placed = loupe::placement(pointer, size, 13, screen);
    QCOMPARE(placed, QRect(topLeft, size));
    const QRect shownAndGap(pointer - QPoint(29, 29), QSize(59, 59));
    QVERIFY(!placed.intersects(shownAndGap));
}

void tst_Loupe::levelAfter_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("after");

    QTest::newRow("one step up") << 1 << 1 << 2;
    QTest::newRow("one step down") << 1 << -1 << 0;
    QTest::newRow("held at the largest") << 3 << 2 << 3;
    QTest::newRow("held at the smallest") << 0 << -5 << 0;
}

void tst_Loupe::levelAfter()
{
    QFETCH(int, level);
    QFETCH(int, steps);
    QFETCH(int, after);
    QCOMPARE(loupe::levelAfter(level, steps), after);
    // Every level shows at least 9 x 9 pixels around a centre, at least 8 times.
    QVERIFY(loupe::kLevels[after].pixels >= 9 && loupe::kLevels[after].pixels % 2 == 1);
    QVERIFY(loupe::kLevels[after].magnification >= 8);
}

void tst_Loupe::outlineColor_data()
{
    QTest::addColumn<QRgb>("color");
    QTest::addColumn<QRgb>("outline");

    // Black and white stand out equally against a luminance of 0.179: #767676 is 0.181, #757575 0.178.
    QTest::newRow("white") << qRgb(255, 255, 255) << qRgb(0, 0, 0);
    QTest::newRow("black") << qRgb(0, 0, 0) << qRgb(255, 255, 255);
    QTest::newRow("grey just lighter than the balance") << qRgb(0x76, 0x76, 0x76) << qRgb(0, 0, 0);
    QTest::newRow("grey just darker than the balance") << qRgb(0x75, 0x75, 0x75) << qRgb(255, 255, 255);
}

void tst_Loupe::outlineColor()
{
    QFETCH(QRgb, color);
    QFETCH(QRgb, outline);
    QCOMPARE(QColor(loupe::outlineColor(color)).name(), QColor(outline).name());
}

void tst_Loupe::picture_data()
{
    QTest::addColumn<int>("magnification");
    QTest::addColumn<int>("outline"); // device pixels

    QTest::newRow("8 times") << 8 << 1;
    QTest::newRow("24 times") << 24 << 3;
}

// Each pixel is a crisp square inside a one-pixel frame; the centre's square is outlined inside its edge and
// keeps its colour in the middle; a pixel off every screen is a grey check.
void tst_Loupe::picture()
{
    QFETCH(int, magnification);
    QFETCH(int, outline);

    QImage area(3, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            area.setPixel(x, y, qRgb(10 * x, 10 * y, 200));
    area.setPixel(2, 2, qRgba(0, 0, 0, 0));
    const QImage image = loupe::picture(area, magnification);
    const int m = magnification;
    QCOMPARE(image.size(), QSize(3 * m + 2, 3 * m + 2));
    for (const QPoint frame : {QPoint(0, 0), QPoint(3 * m + 1, 5), QPoint(7, 3 * m + 1)})
        QCOMPARE(image.pixel(frame), qRgb(0, 0, 0));
    // Every device pixel of the first two rows of squares but the centre's is its screen pixel's colour.
    for (int y = 1; y <= 2 * m; ++y) {
        for (int x = 1; x <= 3 * m; ++x) {
            const QPoint pixel((x - 1) / m, (y - 1) / m);
            if (pixel != QPoint(1, 1))
                QCOMPARE(image.pixel(x, y), area.pixel(pixel));
        }
    }
    // The centre #0A0AC8 is dark: outlined in white inside its square.
    const int left = 1 + m, top = 1 + m;
    for (int i = 0; i < outline; ++i) {
        QCOMPARE(image.pixel(left + i, top + m / 2), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(left + m - 1 - i, top + m / 2), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(left + m / 2, top + i), qRgb(255, 255, 255));
    }
    QCOMPARE(image.pixel(left + outline, top + outline), qRgb(10, 10, 200));
    QCOMPARE(image.pixel(left + m / 2, top + m / 2), qRgb(10, 10, 200));
    // Off the screen: light and lighter squares of 4, never a colour of the screen.
    const int off = 1 + 2 * m;
    QCOMPARE(image.pixel(off, off), qRgb(255, 255, 255));
    QCOMPARE(image.pixel(off + 4, off), qRgb(0xC0, 0xC0, 0xC0));
    QCOMPARE(image.pixel(off + 4, off + 4), qRgb(255, 255, 255));
}

// The square of three by three is outlined around its edge, against its mean; inside it and beyond it
// every pixel keeps its colour.
void tst_Loupe::sampleOutline()
{
    QImage area(5, 5, QImage::Format_ARGB32);
    area.fill(qRgb(250, 250, 250));
    const QImage image = loupe::picture(area, 8, 3);
    // The square spans screen pixels 1 to 3, device pixels 9 to 32; light, so outlined in black.
    for (const QPoint edge : {QPoint(9, 20), QPoint(32, 20), QPoint(20, 9), QPoint(20, 32)})
        QCOMPARE(image.pixel(edge), qRgb(0, 0, 0));
    for (const QPoint kept : {QPoint(8, 20), QPoint(33, 20), QPoint(10, 20), QPoint(20, 20), QPoint(13, 13)})
        QCOMPARE(image.pixel(kept), qRgb(250, 250, 250));
}

void tst_Loupe::sampleMean_data()
{
    // The square a key chooses, around the centre of a 5 by 5 area whose ring is grey 100.
    QTest::addColumn<QList<QRgb>>("pixels"); // the 3 by 3 inside the ring, row by row; 0 is off every screen
    QTest::addColumn<int>("key");
    QTest::addColumn<QRgb>("mean");

    const QList<QRgb> nine{qRgb(0, 10, 200), qRgb(1, 10, 200), qRgb(2, 10, 200),
                           qRgb(3, 10, 200), qRgb(4, 11, 200), qRgb(5, 10, 200),
                           qRgb(6, 10, 200), qRgb(7, 10, 200), qRgb(8, 10, 201)};
    QTest::newRow("1: one pixel, the centre") << nine << int(Qt::Key_1) << qRgb(4, 11, 200);
    // Red 36 / 9 = 4; green 91 / 9 = 10.1 down; blue 1801 / 9 = 200.1 down.
    QTest::newRow("3: three by three") << nine << int(Qt::Key_3) << qRgb(4, 10, 200);
    // With the ring: red 1636 / 25 = 65.4; green 1691 / 25 = 67.6; blue 3401 / 25 = 136.04.
    QTest::newRow("5: five by five") << nine << int(Qt::Key_5) << qRgb(65, 68, 136);
    QList<QRgb> halves(9, 0u);
    halves[3] = qRgb(10, 10, 10);
    halves[4] = qRgb(11, 11, 12);
    QTest::newRow("off the screen not counted, a half goes up")
        << halves << int(Qt::Key_3) << qRgb(11, 11, 11);
    QTest::newRow("nothing on a screen") << QList<QRgb>(9, 0u) << int(Qt::Key_3) << qRgb(0, 0, 0);
}

void tst_Loupe::sampleMean()
{
    QFETCH(QList<QRgb>, pixels);
    QFETCH(int, key);
    QFETCH(QRgb, mean);
    QImage area(5, 5, QImage::Format_ARGB32);
    area.fill(qRgb(100, 100, 100));
    for (int i = 0; i < 9; ++i)
        area.setPixel(1 + i % 3, 1 + i / 3, pixels[i]);
    QCOMPARE(QColor(sample::mean(area, sample::squareAround(QPoint(2, 2), sample::sizeOfKey(key)))).name(),
             QColor(mean).name());
}

void tst_Loupe::caption()
{
    // #777777 against white is 4.4776: cut, not rounded to 4.48.
    QCOMPARE(loupe::caption(qRgb(0x77, 0x77, 0x77), qRgb(255, 255, 255)), QStringLiteral("#777777  4.47:1"));
    QCOMPARE(loupe::caption(qRgb(0x77, 0x77, 0x77), qRgb(255, 255, 255), 5),
             QStringLiteral("#777777  4.47:1  (5x5)"));
}

QTEST_MAIN(tst_Loupe)
#include "tst_loupe.moc"
