// SPDX-License-Identifier: MIT
#include "contrast/contrast.h"
#include "contrast/contrastcommand.h"
#include "contrast/nearest.h"
#include "thresholds/thresholdimages.h"

#include <QTest>

class tst_Contrast : public QObject
{
    Q_OBJECT

private slots:
    void ratioAndVerdicts_data();
    void ratioAndVerdicts();
    void apca_data();
    void apca();
    void apcaPublishedValues_data();
    void apcaPublishedValues();
    void contrastCommand_data();
    void contrastCommand();
    void vision_data();
    void vision();
    void copyText_data();
    void copyText();
    void nearest_data();
    void nearest();
    void overlayPasses_data();
    void overlayPasses();
    void overlayLine();
};

void tst_Contrast::ratioAndVerdicts_data()
{
    QTest::addColumn<QRgb>("a");
    QTest::addColumn<QRgb>("b");
    // The ratio shown, and the verdicts for AA normal, AA large, AAA normal, AAA large and user interface.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("black on white") << 0x000000u << 0xFFFFFFu << QStringList{"21.00", "PPPPP"};
    QTest::newRow("same colour") << 0x4080C0u << 0x4080C0u << QStringList{"1.00", "-----"};
    QTest::newRow("default pair, 3.1397 cut") << 0x4080C0u << 0xE0E0E0u << QStringList{"3.13", "-P--P"};
    QTest::newRow("2.999995") << 0xB178FFu << 0xFFFFFFu << QStringList{"2.99", "-----"};
    QTest::newRow("3.000002") << 0xFA34FFu << 0xFFFFFFu << QStringList{"3.00", "-P--P"};
    QTest::newRow("4.499964") << 0xA06866u << 0xFFFFFFu << QStringList{"4.49", "-P--P"};
    QTest::newRow("4.500003") << 0x647499u << 0x000000u << QStringList{"4.50", "PP-PP"};
    QTest::newRow("6.999995") << 0x000000u << 0xFA34FFu << QStringList{"6.99", "PP-PP"};
    QTest::newRow("7.000011") << 0x000000u << 0xB178FFu << QStringList{"7.00", "PPPPP"};
    QTest::newRow("alpha ignored") << 0x00000000u << 0x80FFFFFFu << QStringList{"21.00", "PPPPP"};
}

void tst_Contrast::ratioAndVerdicts()
{
    QFETCH(QRgb, a);
    QFETCH(QRgb, b);
    QFETCH(QStringList, expected);

    const double ratio = contrast::contrastRatio(a, b);
    QCOMPARE(contrast::contrastRatio(b, a), ratio);
    QString verdicts;
    for (const auto &criterion : contrast::kCriteria)
        verdicts += contrast::passes(ratio, criterion.threshold) ? u'P' : u'-';
    QCOMPARE(contrast::ratioText(ratio), "Contrast ratio " + expected[0] + ":1");
    QCOMPARE(verdicts, expected[1]);
}

void tst_Contrast::apca_data()
{
    QTest::addColumn<QRgb>("text");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QString>("lc");

    QTest::newRow("#888888 on white") << 0x888888u << 0xFFFFFFu << "63.1";
    QTest::newRow("white on #888888") << 0xFFFFFFu << 0x888888u << "-68.5";
    QTest::newRow("black on white") << 0x000000u << 0xFFFFFFu << "106.0";
    QTest::newRow("white on black") << 0xFFFFFFu << 0x000000u << "-107.9";
    QTest::newRow("default pair") << 0xE0E0E0u << 0x4080C0u << "-53.8";
    QTest::newRow("blue on yellow") << 0x0000FFu << 0xFFFF00u << "81.1";
    QTest::newRow("below the low clip") << 0xF0F0F0u << 0xFFFFFFu << "0.0";
    QTest::newRow("just above the low clip") << 0xE8E8E8u << 0xFFFFFFu << "11.1";
    QTest::newRow("same colour") << 0x123456u << 0x123456u << "0.0";
}

void tst_Contrast::apca()
{
    QFETCH(QRgb, text);
    QFETCH(QRgb, background);
    QFETCH(QString, lc);

    QCOMPARE(contrast::apcaFigure(contrast::apcaContrast(text, background)), lc);
}

// APCA 0.0.98G-4g's own test pairs: its constants worked through by hand (exponents 0.56, 0.57, 0.62 and
// 0.65, scale 1.14, offset 0.027, soft clamp below 0.022 with 1.414) give these to the last digit.
void tst_Contrast::apcaPublishedValues_data()
{
    QTest::addColumn<QRgb>("text");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<double>("lc");

    QTest::newRow("#888 on #fff") << 0x888888u << 0xFFFFFFu << 63.056469930209424;
    QTest::newRow("#fff on #888") << 0xFFFFFFu << 0x888888u << -68.54146436644962;
    QTest::newRow("#000 on #aaa") << 0x000000u << 0xAAAAAAu << 58.146262578561334;
    QTest::newRow("#aaa on #000") << 0xAAAAAAu << 0x000000u << -56.24113336839742;
    QTest::newRow("#123 on #def") << 0x112233u << 0xDDEEFFu << 91.66830811481631;
    QTest::newRow("#def on #123") << 0xDDEEFFu << 0x112233u << -93.06770049484275;
    QTest::newRow("#123 on #444") << 0x112233u << 0x444444u << 8.32326136957393;
    QTest::newRow("#444 on #123") << 0x444444u << 0x112233u << -7.526878460278154;
}

void tst_Contrast::apcaPublishedValues()
{
    QFETCH(QRgb, text);
    QFETCH(QRgb, background);
    QFETCH(double, lc);
    QVERIFY2(std::abs(contrast::apcaContrast(text, background) - lc) < 1e-9,
             qPrintable(QString::number(contrast::apcaContrast(text, background), 'g', 17)));
}

void tst_Contrast::contrastCommand_data()
{
    QTest::addColumn<QStringList>("colors");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("default pair")
        << QStringList{"#E0E0E0", "rgb(64 128 192)"} << 0
        << "Contrast ratio 3.13:1\nAA normal text 4.5: fail\nAA large text 3: pass\n"
           "AAA normal text 7: fail\nAAA large text 4.5: fail\nUser interface 3: pass\n"
           "APCA Lc -53.8\n"
        << "";
    QTest::newRow("a note for each colour it changed")
        << QStringList{"#0008", "color(display-p3 0 1 0)"} << 0
        << "Contrast ratio 14.83:1\nAA normal text 4.5: pass\nAA large text 3: pass\nAAA normal text 7: "
           "pass\n"
           "AAA large text 4.5: pass\nUser interface 3: pass\nAPCA Lc 84.6\n"
        << "qcp: note: the transparency of '#0008' was ignored\n"
           "qcp: note: 'color(display-p3 0 1 0)' lies outside sRGB and was mapped into it\n";
    QTest::newRow("one color") << QStringList{"red"} << 2 << ""
                               << "qcp: --contrast needs a foreground and a background color\n";
    QTest::newRow("three colors") << QStringList{"red", "blue", "green"} << 2 << ""
                                  << "qcp: unexpected argument 'green'\n";
    QTest::newRow("a page's color")
        << QStringList{"currentcolor", "blue"} << 2 << ""
        << "qcp: not a color: 'currentcolor': currentcolor is the color of the text "
           "where it is used\n";
}

void tst_Contrast::contrastCommand()
{
    QFETCH(QStringList, colors);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const contrastcommand::Outcome outcome = contrastcommand::run(QStringLiteral("qcp"), colors);
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.standardOutput, out);
    QCOMPARE(outcome.standardError, err);
}

void tst_Contrast::vision_data()
{
    QTest::addColumn<contrast::Vision>("vision");
    QTest::addColumn<QRgb>("red");
    QTest::addColumn<QRgb>("green");
    QTest::addColumn<QRgb>("blue");

    QTest::newRow("protanopia") << contrast::Vision::Protanopia << 0x6D5F00u << 0xFFE500u << 0x0059FFu;
    QTest::newRow("deuteranopia") << contrast::Vision::Deuteranopia << 0xA39000u << 0xEFD63Au << 0x003DFBu;
    QTest::newRow("tritanopia") << contrast::Vision::Tritanopia << 0xFF000Fu << 0x00F7D9u << 0x006B96u;
    QTest::newRow("no colour vision") << contrast::Vision::NoColour << 0x7F7F7Fu << 0xDCDCDCu << 0x4C4C4Cu;
}

void tst_Contrast::vision()
{
    QFETCH(contrast::Vision, vision);
    QFETCH(QRgb, red);
    QFETCH(QRgb, green);
    QFETCH(QRgb, blue);

    QCOMPARE(contrast::simulateVision(qRgb(255, 0, 0), vision), red | 0xFF000000u);
    QCOMPARE(contrast::simulateVision(qRgb(0, 255, 0), vision), green | 0xFF000000u);
    QCOMPARE(contrast::simulateVision(qRgb(0, 0, 255), vision), blue | 0xFF000000u);
    // Black and white are seen as they are.
    QCOMPARE(contrast::simulateVision(qRgb(0, 0, 0), vision), qRgb(0, 0, 0));
    QCOMPARE(contrast::simulateVision(qRgb(255, 255, 255), vision) & 0xF0F0F0u, 0xF0F0F0u);
}

void tst_Contrast::copyText_data()
{
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<QString>("text");

    QTest::newRow("black on white, leading zeros")
        << 0xFFFFFFu << 0x00000Au
        << "Foreground #00000A on background #FFFFFF\r\n"
           "Contrast ratio 20.90:1\r\n"
           "WCAG AA: normal text pass, large text pass, user interface pass\r\n"
           "WCAG AAA: normal text pass, large text pass\r\n"
           "APCA Lc 106.0\r\n"
           "CSS: color: #00000A; background-color: #FFFFFF;\r\n";
}

void tst_Contrast::copyText()
{
    QFETCH(QRgb, background);
    QFETCH(QRgb, foreground);
    QFETCH(QString, text);

    QCOMPARE(contrast::copyText(background, foreground), text);
}

void tst_Contrast::nearest_data()
{
    QTest::addColumn<QRgb>("edited");
    QTest::addColumn<QRgb>("other");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QRgb>("expected"); // 0: no colour passes

    QTest::newRow("already passing is kept") << 0xFF000000u << 0xFFFFFFFFu << 7.0 << 0xFF000000u;
    QTest::newRow("4.500003 already passes") << 0xFF647499u << 0xFF000000u << 4.5 << 0xFF647499u;
    QTest::newRow("7:1 out of reach of mid grey") << 0xFF808080u << 0xFF808080u << 7.0 << 0u;
    // Worked out by an independent search over every colour.
    QTest::newRow("white against white, 3") << 0xFFFFFFFFu << 0xFFFFFFFFu << 3.0 << 0xFFAA8D9Cu;
    QTest::newRow("default pair, 4.5 only on the dark side")
        << 0xFFE0E0E0u << 0xFF4080C0u << 4.5 << 0xFF21003Au;
    QTest::newRow("saturated red on dark blue, 7") << 0xFFE02010u << 0xFF102040u << 7.0 << 0xFFFF8A70u;
    QTest::newRow("olive on mid grey, 3 both ways") << 0xFF8A8A30u << 0xFF7A7A7Au << 3.0 << 0xFFC4E386u;
}

void tst_Contrast::nearest()
{
    QFETCH(QRgb, edited);
    QFETCH(QRgb, other);
    QFETCH(double, threshold);
    QFETCH(QRgb, expected);

    QCOMPARE(contrast::nearestPassing(edited, other, threshold).value_or(0u), expected);
    QCOMPARE(contrast::nearestPassingByTryingAll(edited, other, threshold).value_or(0u), expected);
}

void tst_Contrast::overlayPasses_data()
{
    QTest::addColumn<bool>("swatch");
    QTest::addColumn<int>("baseChannel");
    QTest::addColumn<int>("level"); // plane base value or swatch index
    QTest::addColumn<QRgb>("other");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("bits");

    // Against black a colour passes 3, 4.5 and 7 from luminance 0.1, 0.175 and 0.3: green 105, 136, 174.
    QTest::newRow("green 104 along x") << false << 2 << 0 << 0xFF000000u << QPoint(104, 0) << 0;
    QTest::newRow("green 105") << false << 2 << 0 << 0xFF000000u << QPoint(105, 0) << 1;
    QTest::newRow("green 135") << false << 2 << 0 << 0xFF000000u << QPoint(135, 0) << 1;
    QTest::newRow("green 136") << false << 2 << 0 << 0xFF000000u << QPoint(136, 0) << 3;
    QTest::newRow("green 173") << false << 2 << 0 << 0xFF000000u << QPoint(173, 0) << 3;
    QTest::newRow("green 174") << false << 2 << 0 << 0xFF000000u << QPoint(174, 0) << 7;
    QTest::newRow("base red: green 105 along y") << false << 0 << 0 << 0xFF000000u << QPoint(0, 105) << 1;
    QTest::newRow("base red: blue never") << false << 0 << 0 << 0xFF000000u << QPoint(255, 0) << 0;
    QTest::newRow("base green: red 182 along y") << false << 1 << 0 << 0xFF000000u << QPoint(0, 182) << 0;
    QTest::newRow("base green: red 183") << false << 1 << 0 << 0xFF000000u << QPoint(0, 183) << 1;
    // Against white the passing side is the dark one.
    QTest::newRow("white: green 98 with red 255") << false << 1 << 98 << 0xFFFFFFFFu << QPoint(0, 255) << 1;
    QTest::newRow("white: green 99 with red 255") << false << 1 << 99 << 0xFFFFFFFFu << QPoint(0, 255) << 0;
    // Swatch points are four channel steps apart: green 104, 108, 132, 136, 172, 176 over blue 8.
    QTest::newRow("swatch x 26") << true << 2 << 0 << 0xFF000000u << QPoint(26, 0) << 0;
    QTest::newRow("swatch x 27") << true << 2 << 0 << 0xFF000000u << QPoint(27, 0) << 1;
    QTest::newRow("swatch x 43") << true << 2 << 0 << 0xFF000000u << QPoint(43, 0) << 3;
    QTest::newRow("swatch x 44") << true << 2 << 0 << 0xFF000000u << QPoint(44, 0) << 7;
    QTest::newRow("swatch corner is 255, 255") << true << 2 << 0 << 0xFF000000u << QPoint(64, 64) << 7;
}

void tst_Contrast::overlayPasses()
{
    QFETCH(bool, swatch);
    QFETCH(int, baseChannel);
    QFETCH(int, level);
    QFETCH(QRgb, other);
    QFETCH(QPoint, point);
    QFETCH(int, bits);

    const contrast::PassGrid grid = swatch ? contrast::swatchPasses(baseChannel, level, other)
                                           : contrast::planePasses(baseChannel, level, other);
    QCOMPARE(grid.width, swatch ? 65 : 256);
    QCOMPARE(int(grid.at(point.x(), point.y())), bits);
}

void tst_Contrast::overlayLine()
{
    // Against black, along the top row of the blue-based plane, the lines stand where green reaches 105, 136
    // and 174: dark on the last failing point, light on the first passing one, nothing anywhere else.
    const QImage image = thresholds::planeOverlay(2, 0, 0xFF000000u);
    QCOMPARE(image.size(), QSize(256, 256));
    QList<int> dark, light;
    for (int x = 0; x < 256; ++x) {
        const QRgb pixel = image.pixel(x, 0);
        if (pixel == contrast::kLineDark)
            dark << x;
        else if (pixel == contrast::kLineLight)
            light << x;
        else
            QCOMPARE(qAlpha(pixel), 0);
    }
    QVERIFY(dark.contains(104));
    QVERIFY(light.contains(105));
    for (int x : dark)
        QVERIFY(x == 104 || x == 135 || x == 173);
    for (int x : light)
        QVERIFY(x == 105 || x == 136 || x == 174);

    // A picture larger than the swatch keeps its margin clear.
    const QImage bigger = thresholds::swatchOverlay(2, 0, 0xFF000000u, QSize(70, 70));
    QCOMPARE(bigger.pixel(26, 0), contrast::kLineDark);
    for (int y = 0; y < 70; ++y)
        QCOMPARE(qAlpha(bigger.pixel(66, y)), 0);
}

QTEST_APPLESS_MAIN(tst_Contrast)
#include "tst_contrast.moc"
