// SPDX-License-Identifier: MIT
#include "color/colors.h"
#include "support/mainwindowfixture.h"
#include "support/scrollbarpictures.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

// Pictures and the main window on a screen of twice the usual density: two device pixels per point each way.
class tst_PictureDensity : public QObject
{
    Q_OBJECT

private slots:
    void pointIsABlockOfDevicePixels_data();
    void pointIsABlockOfDevicePixels();
    void textIsDrawnAtTheScreenDensity();
    void windowKeepsItsPlacesAndPicksAtFractionalPositions();
    void cachedScrollBarIsDrawnAtTheScreenDensity();
};

void tst_PictureDensity::pointIsABlockOfDevicePixels_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<qint32>("colour");
    QTest::newRow("set point") << QPoint(3, 4) << 0x123456;
    QTest::newRow("first of the rows") << QPoint(2, 1) << 0x020101;
    QTest::newRow("last of the rows, clipped") << QPoint(11, 7) << 0x0B0707;
    QTest::newRow("left of the rows") << QPoint(1, 1) << 0xFFFFFF;
}

void tst_PictureDensity::pointIsABlockOfDevicePixels()
{
    QFETCH(QPoint, at);
    QFETCH(qint32, colour);
    PictureBox picture;
    picture.resize(12, 8);
    picture.setBackColor(0xFFFFFF);
    // Red and green from the row, blue from the column; the rows reach past the picture.
    picture.paintRows(2, 1, 40, 40, [](int y, quint32 *row, int from, int to) {
        for (int x = from; x <= to; ++x)
            row[x] = 0xFF000000u | quint32(y) << 16 | quint32(y) << 8 | quint32(x);
    });
    picture.pset(3, 4, 0x123456);
    QCOMPARE(picture.image().size(), QSize(24, 16));
    QCOMPARE(picture.point(at.x(), at.y()), colour);
    const QImage shown = picture.grab().toImage();
    for (QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
        QCOMPARE(Colors::fromQRgb(shown.pixel(2 * at + d)), colour);
}

void tst_PictureDensity::textIsDrawnAtTheScreenDensity()
{
    PictureBox picture;
    picture.resize(40, 20);
    picture.setBackColor(0xFFFFFF);
    picture.setForeColor(0);
    picture.print(QStringLiteral("8B8"));
    // Black and white only, and some 2 x 2 blocks hold both: the text was not drawn per point and doubled.
    const QImage &image = picture.image();
    int mixed = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QSet<QRgb> block{image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                                   image.pixel(x + 1, y + 1)};
            QVERIFY((block - QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}).isEmpty());
            mixed += block.size() > 1;
        }
    }
    QVERIFY(mixed > 5);
}

void tst_PictureDensity::windowKeepsItsPlacesAndPicksAtFractionalPositions()
{
    MainWindowFixture f;
    f.start();
    QCOMPARE(f.window->devicePixelRatio(), 2.0);
    QCOMPARE(f.window->size(), QSize(619, 547));
    QCOMPARE(f.control("picGraphic")->geometry(), QRect(336, 128, 256, 256));
    QCOMPARE(f.control("cboWhatToCopy")->pos(), QPoint(196, 472));

    QWidget *plane = f.control("picGraphic");
    const QPointF at(10.5, 20.5); // the lower right device pixel of point (10, 20)
    QMouseEvent press(QEvent::MouseButtonPress, at, plane->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, plane->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(plane, &press);
    QApplication::sendEvent(plane, &release);
    // Green base: x is blue, y is red.
    QCOMPARE(f.channels(), (QStringList{"20", "128", "10"}));
}

void tst_PictureDensity::cachedScrollBarIsDrawnAtTheScreenDensity()
{
    ScrollBarPictures bars(Qt::Vertical);
    for (QScrollBar *bar : bars.bars())
        bar->setValue(70);
    QCOMPARE(bars.cached.devicePixelRatioF(), 2.0);
    QCOMPARE(bars.picture(bars.cached), bars.picture(bars.plain));
    QCOMPARE(bars.picture(bars.cached), bars.picture(bars.plain));
    QCOMPARE(bars.cachedStyle.picturesDrawn(), 1);
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_PictureDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_picturedensity.moc"
