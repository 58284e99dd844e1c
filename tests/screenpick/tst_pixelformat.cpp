// SPDX-License-Identifier: MIT
#include "screenpick/pixelformat.h"

#include <QColor>
#include <QTest>

using platform::PixelLayout;

Q_DECLARE_METATYPE(PixelLayout)

namespace {

const PixelLayout kDepth24;
const PixelLayout kDepth30{0x3FF00000, 0x000FFC00, 0x000003FF};
const PixelLayout kDepth16{0xF800, 0x07E0, 0x001F, 16};

QString names(const QImage &image)
{
    QStringList all;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            all << QColor(image.pixel(x, y)).name();
    return all.join(u' ');
}

} // namespace

class tst_PixelFormat : public QObject
{
    Q_OBJECT

private slots:
    void colorOfPixel_data();
    void colorOfPixel();
    void writePixels_data();
    void writePixels();
};

void tst_PixelFormat::colorOfPixel_data()
{
    QTest::addColumn<PixelLayout>("layout");
    QTest::addColumn<quint32>("pixel");
    QTest::addColumn<QString>("color");

    QTest::newRow("24 bits as they are") << kDepth24 << 0x4080C0u << "#4080c0";
    // 10-bit red 3, green 7, blue 1021 are 0.75, 1.74 and 254.50 of 255.
    QTest::newRow("30 bits rounded, not cut") << kDepth30 << (3u << 20 | 7u << 10 | 1021u) << "#0102ff";
    QTest::newRow("30 bits, a level just below a half") << kDepth30 << (2u << 20 | 6u << 10) << "#000100";
    // 5-bit red 3 and 6-bit green 11 are 24.68 and 44.52 of 255.
    QTest::newRow("16 bits rounded") << kDepth16 << (3u << 11 | 11u << 5 | 31u) << "#192dff";
    QTest::newRow("blue in the high byte")
        << PixelLayout{0x0000FF, 0x00FF00, 0xFF0000} << 0x4080C0u << "#c08040";
}

void tst_PixelFormat::colorOfPixel()
{
    QFETCH(PixelLayout, layout);
    QFETCH(quint32, pixel);
    QFETCH(QString, color);
    QCOMPARE(QColor(platform::colorOfPixel(pixel, layout)).name(), color);
}

void tst_PixelFormat::writePixels_data()
{
    QTest::addColumn<PixelLayout>("layout");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("image"); // 3 x 2, black before, row by row
    QTest::addColumn<bool>("written");

    // Two rows of two pixels each.
    QTest::newRow("32 bits, least significant byte first")
        << kDepth24
        << QByteArray::fromHex("0000ff00"
                               "00ff0000"
                               "ff000000"
                               "ffffff00")
        << QPoint(0, 0) << "#ff0000 #00ff00 #000000 #0000ff #ffffff #000000" << true;
    QTest::newRow("16 bits, rows padded to 64")
        << PixelLayout{0xF800, 0x07E0, 0x001F, 16, 64}
        << QByteArray::fromHex("00f8"
                               "1f00"
                               "00000000"
                               "e007"
                               "ffff"
                               "00000000")
        << QPoint(1, 0) << "#000000 #ff0000 #0000ff #000000 #00ff00 #ffffff" << true;
    QTest::newRow("24 bits, most significant byte first")
        << PixelLayout{0xFF0000, 0x00FF00, 0x0000FF, 24, 32, true}
        << QByteArray::fromHex("4080c0"
                               "102030"
                               "0000"
                               "ffffff"
                               "000000"
                               "0000")
        << QPoint(0, 0) << "#4080c0 #102030 #000000 #ffffff #000000 #000000" << true;
    QTest::newRow("clipped at the image's edges")
        << kDepth24
        << QByteArray::fromHex("0000ff00"
                               "00ff0000"
                               "ff000000"
                               "ffffff00")
        << QPoint(-1, 1) << "#000000 #000000 #000000 #00ff00 #000000 #000000" << true;
    QTest::newRow("fewer rows than said")
        << kDepth24
        << QByteArray::fromHex("0000ff00"
                               "00ff0000"
                               "ff000000")
        << QPoint(0, 0) << "#000000 #000000 #000000 #000000 #000000 #000000" << false;
}

void tst_PixelFormat::writePixels()
{
    QFETCH(PixelLayout, layout);
    QFETCH(QByteArray, data);
    QFETCH(QPoint, at);
    QFETCH(QString, image);
    QFETCH(bool, written);

    QImage target(3, 2, QImage::Format_ARGB32);
    target.fill(Qt::black);
    QCOMPARE(platform::writePixels(reinterpret_cast<const uchar *>(data.constData()), data.size(),
                                   QSize(2, 2), layout, target, at),
             written);
    QCOMPARE(names(target), image);
}

QTEST_MAIN(tst_PixelFormat)
#include "tst_pixelformat.moc"
