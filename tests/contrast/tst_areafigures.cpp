// SPDX-License-Identifier: MIT
#include "contrast/areafigures.h"
#include "contrast/contrast.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// An area width pixels wide of the given colours, row by row; 0 is a pixel off every screen.
QImage areaOf(const QList<QRgb> &colours, int width)
{
    QImage image(width, int(colours.size()) / width, QImage::Format_ARGB32);
    for (qsizetype i = 0; i < colours.size(); ++i)
        image.setPixel(int(i % width), int(i / width), colours[i]);
    return image;
}

contrast::PixelRows rowsOf(const QImage &image)
{
    return {image.constBits(), image.width(), image.height(), image.bytesPerLine()};
}

QList<QRgb> repeated(QRgb colour, int times)
{
    return QList<QRgb>(times, colour);
}

QStringList shares(const contrast::AreaFigures &f)
{
    QStringList out;
    for (const qint64 passing : f.passing)
        out << contrast::shareText(passing, f.pixels);
    return out;
}

} // namespace

class tst_AreaFigures : public QObject
{
    Q_OBJECT

private slots:
    void figures_data();
    void figures();
    void figuresMatchEveryPixelsRatio();
    void nearest_data();
    void nearest();
    void copyText();
};

void tst_AreaFigures::figures_data()
{
    QTest::addColumn<QImage>("area");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<QStringList>("ratios"); // lowest, reached by 95 %, median
    QTest::addColumn<QStringList>("shares"); // AA normal and large, AAA normal and large

    // #777777 has luminance 0.18447: 4.478 against white, 4.689 against black.
    QTest::newRow("a single pixel") << areaOf({qRgb(0x77, 0x77, 0x77)}, 1) << qRgb(255, 255, 255)
                                    << QStringList{"4.47", "4.47", "4.47"}
                                    << QStringList{"0.0%", "100.0%", "0.0%", "0.0%"};
    QTest::newRow("two-colour halves, the lower middle ratio the median")
        << areaOf(repeated(qRgb(0, 0, 0), 20) + repeated(qRgb(255, 255, 255), 20), 10)
        << qRgb(0x77, 0x77, 0x77) << QStringList{"4.47", "4.47", "4.47"}
        << QStringList{"50.0%", "100.0%", "0.0%", "50.0%"};
    // Every grey once, black text: the 13th lowest ratio is grey 12's, the 128th grey 127's; 4.5:1 from
    // grey 117 up (139 greys), 3:1 from 90 (166), 7:1 from 149 (107); shares cut, 54.29% to 54.2%.
    QList<QRgb> greys;
    for (int v = 0; v < 256; ++v)
        greys << qRgb(v, v, v);
    QTest::newRow("a known gradient")
        << areaOf(greys, 16) << qRgb(0, 0, 0) << QStringList{"1.00", "1.07", "5.24"}
        << QStringList{"54.2%", "64.8%", "41.7%", "54.2%"};
    QTest::newRow("the same, white text")
        << areaOf(greys, 16) << qRgb(255, 255, 255) << QStringList{"1.00", "1.10", "3.94"}
        << QStringList{"46.4%", "58.2%", "35.1%", "46.4%"};
    QTest::newRow("pixels off every screen are no part of it")
        << areaOf({0u, qRgb(255, 255, 255), 0u}, 3) << qRgb(0, 0, 0) << QStringList{"21.00", "21.00", "21.00"}
        << QStringList{"100.0%", "100.0%", "100.0%", "100.0%"};
}

void tst_AreaFigures::figures()
{
    QFETCH(QImage, area);
    QFETCH(QRgb, foreground);
    QFETCH(QStringList, ratios);
    QFETCH(QStringList, shares);

    const contrast::AreaLuminances luminances(rowsOf(area));
    const contrast::AreaFigures f = contrast::areaFigures(luminances, foreground);
    QCOMPARE((QStringList{contrast::ratioFigure(f.lowest), contrast::ratioFigure(f.reached),
                          contrast::ratioFigure(f.median)}),
             ratios);
    QCOMPARE(::shares(f), shares);
}

// Luminances are counted in bands and read exactly only where an answer falls; colours a step apart, whose
// luminances share or straddle a band's edge, against text near a threshold of theirs, must come out as
// sorting every pixel's ratio does.
void tst_AreaFigures::figuresMatchEveryPixelsRatio()
{
    QRandomGenerator random(34);
    for (int round = 0; round < 60; ++round) {
        const int width = 1 + int(random.bounded(9)), height = 1 + int(random.bounded(9));
        const QRgb base = random.bounded(0x1000000u);
        QList<QRgb> colours;
        for (int i = 0; i < width * height; ++i) {
            const QRgb near = qRgb(std::min(qRed(base) + int(random.bounded(2)), 255),
                                   std::min(qGreen(base) + int(random.bounded(2)), 255), qBlue(base));
            colours << (round % 2 ? near : 0xFF000000u | random.bounded(0x1000000u));
        }
        const QImage area = areaOf(colours, width);
        // Text a threshold away from a pixel, so that the pixels sit on the edge of its failing window.
        const double y = contrast::relativeLuminance(colours[0]);
        const int grey =
            std::clamp(int(255 * std::pow(std::min(4.5 * (y + 0.05) - 0.05, 1.0), 1 / 2.2)), 0, 255);
        const QRgb text = round % 3 ? qRgb(grey, grey, grey) : 0xFF000000u | random.bounded(0x1000000u);

        QList<double> ratios;
        for (const QRgb c : colours)
            ratios << contrast::contrastRatio(text, c);
        std::sort(ratios.begin(), ratios.end());
        const qint64 n = ratios.size();
        const contrast::AreaLuminances luminances(rowsOf(area));
        const contrast::AreaFigures f = contrast::areaFigures(luminances, text);
        QCOMPARE(f.lowest, ratios.front());
        QCOMPARE(f.reached, ratios[n / 20]);
        QCOMPARE(f.median, ratios[(n + 1) / 2 - 1]);
        for (size_t i = 0; i < contrast::kAreaThresholds.size(); ++i) {
            const double t = contrast::kAreaThresholds[i];
            QCOMPARE(f.passing[i],
                     std::count_if(ratios.begin(), ratios.end(), [t](double r) { return r >= t; }));
        }
    }
}

void tst_AreaFigures::nearest_data()
{
    QTest::addColumn<QImage>("area");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<double>("level");
    QTest::addColumn<QRgb>("nearest"); // 0 for none
    QTest::addColumn<bool>(
        "tryAll"); // checked against trying every colour here too (5 s under the sanitizers)

    // Each expected colour was found by trying every colour against every pixel.

    QList<QRgb> blues;
    for (int i = 0; i < 8; ++i)
        blues << qRgb(0x10 + 8 * i, 0x20 + 10 * i, 0x60 + 16 * i);
    QTest::newRow("gradient of dark blues, grey text")
        << areaOf(blues, 4) << qRgb(0x80, 0x80, 0x80) << 4.5 << qRgb(0xCF, 0xF9, 0xEA) << false;
    // Text on black and white passes both only between luminances 0.175 and 0.183 at 4.5:1.
    QTest::newRow("black and white halves, a narrow band between them")
        << areaOf({qRgb(0, 0, 0), qRgb(255, 255, 255)}, 2) << qRgb(255, 255, 0) << 4.5 << qRgb(0x8F, 0x74, 0)
        << true;
    QTest::newRow("the same at 3:1") << areaOf({qRgb(0, 0, 0), qRgb(255, 255, 255)}, 2) << qRgb(255, 255, 0)
                                     << 3.0 << qRgb(0xA0, 0x98, 0) << false;
    // Black on white is 21:1, on #777777 4.69:1: one failing pixel in twenty is 5 %, two are too many, and
    // no text reaches 7:1 on both.
    QList<QRgb> oneGrey = repeated(qRgb(255, 255, 255), 20);
    oneGrey[3] = qRgb(0x77, 0x77, 0x77);
    QList<QRgb> twoGreys = oneGrey;
    twoGreys[7] = qRgb(0x77, 0x77, 0x77);
    QTest::newRow("one pixel in twenty may fail")
        << areaOf(oneGrey, 5) << qRgb(0, 0, 0) << 7.0 << qRgb(0, 0, 0) << false;
    QTest::newRow("two may not") << areaOf(twoGreys, 5) << qRgb(0, 0, 0) << 7.0 << 0u << false;
    // Where a pixel's edge falls in the text's cell of luminance, the failing pixels are counted one by one.
    // #00872C is 4.49998:1 on #000001 and 4.502:1 on black.
    QList<QRgb> twoHairs = repeated(qRgb(0, 0, 0), 20);
    twoHairs[5] = twoHairs[12] = qRgb(0, 0, 1);
    QTest::newRow("two in twenty failing by a hair may not")
        << areaOf(twoHairs, 5) << qRgb(0, 0x87, 0x2C) << 4.5 << qRgb(1, 0x87, 0x2C) << false;
    // #009187 is 4.49999:1 on #1A123E and 4.50000:1 on #0F1D09, both edges in its cell: exactly 5 % fail.
    QList<QRgb> oneOfTwo = repeated(qRgb(0, 0, 0), 20);
    oneOfTwo[5] = qRgb(0x1A, 0x12, 0x3E);
    oneOfTwo[12] = qRgb(0x0F, 0x1D, 0x09);
    QTest::newRow("one in twenty failing by a hair may")
        << areaOf(oneOfTwo, 5) << qRgb(0, 0x91, 0x87) << 4.5 << qRgb(0, 0x91, 0x87) << false;
}

void tst_AreaFigures::nearest()
{
    QFETCH(QImage, area);
    QFETCH(QRgb, foreground);
    QFETCH(double, level);
    QFETCH(QRgb, nearest);
    QFETCH(bool, tryAll);

    const contrast::AreaLuminances luminances(rowsOf(area));
    contrast::AreaNearest search(luminances);
    QCOMPARE(search.nearest(foreground, level).value_or(0u), nearest);
    if (tryAll)
        QCOMPARE(contrast::nearestOverAreaByTryingAll(rowsOf(area), foreground, level).value_or(0u), nearest);
}

void tst_AreaFigures::copyText()
{
    const QImage area =
        areaOf(repeated(qRgb(0, 0, 0), 20) + repeated(qRgb(255, 255, 255), 20) + QList<QRgb>{0u, 0u}, 6);
    const contrast::AreaLuminances luminances(rowsOf(area));
    const QRgb text = qRgb(0x77, 0x77, 0x77);
    QCOMPARE(contrast::areaCopyText(text, area.size(), contrast::areaFigures(luminances, text), 4.5,
                                    qRgb(0x8F, 0x74, 0)),
             QStringLiteral("Foreground #777777 over an area of 6 x 7 pixels, 40 on a screen\r\n"
                            "Lowest contrast ratio 4.47:1\r\n"
                            "95% of the area reaches 4.47:1\r\n"
                            "Median contrast ratio 4.47:1\r\n"
                            "WCAG AA: normal text 50.0% of the area, large text 100.0%\r\n"
                            "WCAG AAA: normal text 0.0% of the area, large text 50.0%\r\n"
                            "Nearest color reaching 4.5:1 on 95% of the area: #8F7400\r\n"));
    QCOMPARE(contrast::areaCopyText(text, QSize(2, 1), contrast::AreaFigures{}, 7, std::nullopt),
             QStringLiteral("Foreground #777777 over an area of 2 x 1 pixels, none on a screen\r\n"));
}

QTEST_MAIN(tst_AreaFigures)
#include "tst_areafigures.moc"
