// SPDX-License-Identifier: MIT
#include "color/colorparse.h"
#include "forms/colorforms.h"

#include <QRandomGenerator>
#include <QTest>

#include <thread>

// Expected texts come from the forms' definitions, CSS Color 4's published values (rounded by hand to the
// places shown) and checks by hand; every text must also read back as its colour.
class tst_ColorForms : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void decimalText_data();
    void decimalText();
    void everyFormReadsBack_data();
    void everyFormReadsBack();
};

void tst_ColorForms::writes_data()
{
    QTest::addColumn<QRgb>("rgb");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("text");

    const QRgb blue = qRgb(64, 128, 192);
    const QStringList forms = {
        "hex=#4080c0", "rgb=rgb(64 128 192)", "rgb-comma=rgb(64, 128, 192)",
        // By hand: 50% saturation and lightness give blue 191.25, one place 192.01.
        "hsl=hsl(210 50.4% 50.2%)", "hwb=hwb(210 25.1% 24.7%)", "srgb=color(srgb 0.251 0.502 0.753)",
        "decimal=12615744 (decimal)", "html=#4080C0", "vb=&HC08040", "vb-rgb=RGB(64,128,192)",
        "qt=QColor(64, 128, 192)", "dotnet=Color.FromArgb(64, 128, 192)", "java=new Color(64, 128, 192)",
        "swift=Color(red: 0.251, green: 0.502, blue: 0.753)", "argb=0xFF4080C0", "python=(64, 128, 192)"};
    for (const QString &row : forms)
        QTest::addRow("%s", qPrintable(row)) << blue << row.section(u'=', 0, 0) << row.section(u'=', 1);

    // Green, rgb(0 128 0), as CSS Color 4 gives it: lab(46.2775% -47.5621 48.5837),
    // lch(46.2775% 67.9892 134.3912), oklab(51.975% -0.1403 0.10768), oklch(51.975% 0.17686 142.495).
    const QRgb green = qRgb(0, 128, 0);
    QTest::newRow("green hsl, no places needed") << green << "hsl"
                                                 << "hsl(120 100% 25%)";
    QTest::newRow("green hwb") << green << "hwb"
                               << "hwb(120 0% 50%)";
    QTest::newRow("green lab") << green << "lab"
                               << "lab(46.3 -47.6 48.6)";
    QTest::newRow("green lch, trailing zero dropped") << green << "lch"
                                                      << "lch(46.3 68 134.4)";
    QTest::newRow("green oklab") << green << "oklab"
                                 << "oklab(0.5198 -0.1403 0.1077)";
    QTest::newRow("green oklch") << green << "oklch"
                                 << "oklch(0.52 0.18 142.5)";
    QTest::newRow("green srgb") << green << "srgb"
                                << "color(srgb 0 0.5 0)";

    // rebeccapurple is hsl(270 50% 40%) in CSS.
    const QRgb purple = qRgb(102, 51, 153);
    QTest::newRow("purple hsl") << purple << "hsl"
                                << "hsl(270 50% 40%)";
    QTest::newRow("purple hwb") << purple << "hwb"
                                << "hwb(270 20% 40%)";

    // Greys have no hue, written as 0.
    const QRgb grey = qRgb(119, 119, 119);
    QTest::newRow("grey hsl") << grey << "hsl"
                              << "hsl(0 0% 46.7%)";
    QTest::newRow("grey lch") << grey << "lch"
                              << "lch(50 0 0)";
    QTest::newRow("grey oklch") << grey << "oklch"
                                << "oklch(0.57 0 0)";
    // By hand: 5/255 is linear 0.0015176 (below the sRGB knee), whose cube root 0.1149 needs three places.
    QTest::newRow("dark grey oklab") << qRgb(5, 5, 5) << "oklab"
                                     << "oklab(0.115 0 0)";
    QTest::newRow("white lab") << qRgb(255, 255, 255) << "lab"
                               << "lab(100 0 0)";
    QTest::newRow("white oklch") << qRgb(255, 255, 255) << "oklch"
                                 << "oklch(1 0 0)";
    QTest::newRow("black hwb") << qRgb(0, 0, 0) << "hwb"
                               << "hwb(0 0% 100%)";

    QTest::newRow("six-digit decimal keeps its word") << qRgb(64, 128, 5) << "decimal"
                                                      << "360512 (decimal)";
    QTest::newRow("hex pads") << qRgb(10, 0, 255) << "hex"
                              << "#0a00ff";
    QTest::newRow("alpha is ignored") << qRgba(10, 0, 255, 0) << "argb"
                                      << "0xFF0A00FF";
}

void tst_ColorForms::writes()
{
    QFETCH(QRgb, rgb);
    QFETCH(QString, form);
    QFETCH(QString, text);

    const std::optional<int> index = colorforms::formIndex(form);
    QVERIFY(index);
    QCOMPARE(colorforms::write(*index, rgb), text);
}

void tst_ColorForms::decimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("text");

    QTest::newRow("trailing zeros dropped") << 0.5 << 3 << "0.5";
    QTest::newRow("trailing point dropped") << 10.0 << 2 << "10";
    QTest::newRow("negative zero is 0") << -0.0004 << 3 << "0";
    QTest::newRow("half away from zero") << 2.5 << 0 << "3";
    QTest::newRow("negative half away from zero") << -2.5 << 0 << "-3";
    QTest::newRow("exact half at two places") << 0.125 << 2 << "0.13";
    QTest::newRow("leading zeros kept") << -0.0001 << 4 << "-0.0001";
    QTest::newRow("at most six places") << 0.1234567 << 9 << "0.123457";
}

void tst_ColorForms::decimalText()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, text);
    QCOMPARE(colorforms::decimalText(value, decimals), text);
}

void tst_ColorForms::everyFormReadsBack_data()
{
    QTest::addColumn<bool>("grid");
    QTest::newRow("all 4,096 colours of a 16-step grid") << true;
    QTest::newRow("100,000 random colours") << false;
}

// What is copied pastes back as the same colour, in every form; the tool formsroundtrip checks all
// 16,777,216 colours.
void tst_ColorForms::everyFormReadsBack()
{
    QFETCH(bool, grid);
    QList<QRgb> colours;
    if (grid) {
        for (int r = 0; r < 256; r += 17)
            for (int g = 0; g < 256; g += 17)
                for (int b = 0; b < 256; b += 17)
                    colours.append(qRgb(r, g, b));
    } else {
        QRandomGenerator random(23);
        for (int i = 0; i < 100000; ++i)
            colours.append(0xFF000000u | random.bounded(0x1000000u));
    }
    QCOMPARE(colorforms::formNames().size(), 20);
    // Two halves side by side, as the machine has two cores; each notes its first failure.
    const auto check = [&colours](qsizetype from, qsizetype to, QString &failure) {
        for (qsizetype i = from; i < to && failure.isEmpty(); ++i) {
            for (int form = 0; form < 20; ++form) {
                const QString text = colorforms::write(form, colours[i]);
                const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
                if (parsed.count != 1 || parsed.colors[0] != colours[i] || parsed.transparencyIgnored)
                    failure = QStringLiteral("%1 read back as %2").arg(text).arg(parsed.colors[0], 8, 16);
            }
        }
    };
    std::array<QString, 2> failures;
    std::thread half(check, 0, colours.size() / 2, std::ref(failures[0]));
    check(colours.size() / 2, colours.size(), failures[1]);
    half.join();
    QVERIFY2(failures[0].isEmpty(), qPrintable(failures[0]));
    QVERIFY2(failures[1].isEmpty(), qPrintable(failures[1]));
}

QTEST_APPLESS_MAIN(tst_ColorForms)
#include "tst_colorforms.moc"
