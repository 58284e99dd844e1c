// SPDX-License-Identifier: MIT
#include "color/colorparse.h"
#include "color/copytexts.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// What the copy command puts on the clipboard for the default colours, background 64, 128, 192 and
// foreground 224: the report pasted back must give the same two colours.
// Made on first use: the copy texts' own constants are not ready while this file's statics are made.
QString report()
{
    return *copytexts::copyText(ColorParamsArray{{{1, 64, 128, 192}, {2, 224, 224, 224}}}, 0);
}

QString reportWith(const QString &from, const QString &to)
{
    QString text = report();
    return text.replace(from, to);
}

// The report's colour lines keep only their lines that contain one of the given words.
QString reportKeeping(const QStringList &words)
{
    QStringList kept;
    for (const QString &line : report().split(QStringLiteral("\r\n"))) {
        if (line.endsWith(u':') ||
            std::any_of(words.begin(), words.end(), [&](const QString &w) { return line.contains(w); }))
            kept.append(line);
    }
    return kept.join(QStringLiteral("\r\n"));
}

QString hexForm(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFFu, 6, 16, QChar(u'0'));
}

// One row for each text, named after its group.
void addRejected(const char *group, const QStringList &texts)
{
    for (const QString &text : texts)
        QTest::addRow("%s \"%s\"", group, qPrintable(text)) << text;
}

} // namespace

class tst_ColorParse : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void rejected_data();
    void rejected();
    void transparencyIsTold_data();
    void transparencyIsTold();
    void randomTextIsRejectedOrInRange();
};

void tst_ColorParse::accepted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<uint>("first"); // 0xRRGGBB
    QTest::addColumn<uint>("second");

    QTest::newRow("HTML") << "#4080C0" << 1 << 0x4080C0u << 0u;
    QTest::newRow("HTML short, digits doubled") << "#4ac" << 1 << 0x44AACCu << 0u;
    QTest::newRow("blanks around") << " \t#4080c0\r\n" << 1 << 0x4080C0u << 0u;
    QTest::newRow("0x") << "0X4080c0" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Visual Basic, blue first") << "&HC08040" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Visual Basic long suffix") << "&hc08040&" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Visual Basic short is red") << "&HFF" << 1 << 0xFF0000u << 0u;
    QTest::newRow("decimal") << "12615744" << 1 << 0x4080C0u << 0u;
    QTest::newRow("decimal zero") << "0" << 1 << 0x000000u << 0u;
    QTest::newRow("decimal largest") << "16777215" << 1 << 0xFFFFFFu << 0u;
    QTest::newRow("decimal leading zeros") << "000000255" << 1 << 0xFF0000u << 0u;
    QTest::newRow("VB RGB function") << "RGB(64,128,192)" << 1 << 0x4080C0u << 0u;
    QTest::newRow("rgb commas and blanks") << "rgb( 64 , 128 , 192 )" << 1 << 0x4080C0u << 0u;
    QTest::newRow("rgb blanks only") << "rgb(64 128\t192)" << 1 << 0x4080C0u << 0u;
    QTest::newRow("rgb percentages, half up") << "rgb(100%, 50%, 0%)" << 1 << 0xFF8000u << 0u;
    QTest::newRow("rgb quarter percent") << "rgb(25% 25% 25%)" << 1 << 0x404040u << 0u;
    QTest::newRow("rgb fraction rounds") << "rgb(127.5, 0.49, .5)" << 1 << 0x800001u << 0u;
    QTest::newRow("rgba alpha ignored") << "rgba(64, 128, 192, 0.5)" << 1 << 0x4080C0u << 0u;
    QTest::newRow("rgb slash alpha") << "rgb(64 128 192 / 50%)" << 1 << 0x4080C0u << 0u;
    QTest::newRow("hsl green") << "hsl(120, 100%, 25%)" << 1 << 0x008000u << 0u;
    QTest::newRow("hsl blanks") << "HSL(0 100% 50%)" << 1 << 0xFF0000u << 0u;
    QTest::newRow("hsl degrees") << "hsl(240deg, 100%, 50%)" << 1 << 0x0000FFu << 0u;
    QTest::newRow("hsl negative hue wraps") << "hsl(-120, 100%, 50%)" << 1 << 0x0000FFu << 0u;
    QTest::newRow("hsl hue beyond a turn") << "hsl(480, 100%, 50%)" << 1 << 0x00FF00u << 0u;
    QTest::newRow("hsl rounding") << "hsla(210, 50%, 50%, 1)" << 1 << 0x4080BFu << 0u;
    QTest::newRow("hsl grey") << "hsl(0 0% 50% / 0.2)" << 1 << 0x808080u << 0u;
    QTest::newRow("HTML short with alpha") << "#48c8" << 1 << 0x4488CCu << 0u;
    QTest::newRow("HTML with alpha") << "#4080C080" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Android ARGB") << "0xFF4080C0" << 1 << 0x4080C0u << 0u;
    QTest::newRow("six bare digits are hexadecimal") << "336699" << 1 << 0x336699u << 0u;
    QTest::newRow("six bare hex digits") << "4080c0" << 1 << 0x4080C0u << 0u;
    QTest::newRow("five digits are decimal") << "65280" << 1 << 0x00FF00u << 0u;
    QTest::newRow("six digits with their word are decimal") << "360512 (Decimal)" << 1 << 0x408005u << 0u;
    QTest::newRow("decimal with its word") << "12615744 (decimal)" << 1 << 0x4080C0u << 0u;

    // CSS Color 4's own examples of green, rgb(0 128 0), in each of its spaces.
    QTest::newRow("CSS lab green") << "lab(46.2775% -47.5621 48.5837)" << 1 << 0x008000u << 0u;
    QTest::newRow("CSS lch green") << "lch(46.2775% 67.9892 134.3912)" << 1 << 0x008000u << 0u;
    QTest::newRow("CSS oklab green") << "oklab(51.975% -0.1403 0.10768)" << 1 << 0x008000u << 0u;
    QTest::newRow("CSS oklch green") << "oklch(51.975% 0.17686 142.495)" << 1 << 0x008000u << 0u;
    QTest::newRow("CSS hwb green") << "hwb(120 0% 49.8039%)" << 1 << 0x008000u << 0u;
    QTest::newRow("lch chroma in percent of 150")
        << "lch(46.2775% 45.3261% 134.3912)" << 1 << 0x008000u << 0u;
    QTest::newRow("oklab a and b in percent of 0.4")
        << "oklab(51.975% -35.075% 26.92%)" << 1 << 0x008000u << 0u;
    QTest::newRow("lab pink, as browsers show it") << "lab(50% 50 0)" << 1 << 0xC14E79u << 0u;
    // By hand: OKLab lightness 0.5 with no chroma is linear 0.125, which sRGB encodes as 99.1.
    QTest::newRow("oklab grey by hand") << "oklab(0.5 0 0)" << 1 << 0x636363u << 0u;
    QTest::newRow("hwb by hand: (0 1 0) x 0.5 + 0.2") << "hwb(120 20% 30% / 0.25)" << 1 << 0x33B333u << 0u;
    QTest::newRow("hwb over 100% is grey") << "hwb(0 60% 60%)" << 1 << 0x808080u << 0u;
    QTest::newRow("srgb") << "color(srgb 0 0.6 0)" << 1 << 0x009900u << 0u;
    QTest::newRow("srgb percentages") << "color(SRGB 25% 50% 100% / 1)" << 1 << 0x4080FFu << 0u;
    QTest::newRow("none is zero") << "rgb(none 128 none)" << 1 << 0x008000u << 0u;
    QTest::newRow("hue none") << "hsl(none 0% 50%)" << 1 << 0x808080u << 0u;
    QTest::newRow("turn") << "hsl(0.5turn 100% 50%)" << 1 << 0x00FFFFu << 0u;
    QTest::newRow("grad") << "hsl(200grad 100% 50%)" << 1 << 0x00FFFFu << 0u;
    QTest::newRow("rad") << "hsl(3.14159265rad 100% 50%)" << 1 << 0x00FFFFu << 0u;
    QTest::newRow("hsl numbers in the blank form") << "hsl(120deg 100 25)" << 1 << 0x008000u << 0u;
    QTest::newRow("exponent") << "rgb(1e2 0 0)" << 1 << 0x640000u << 0u;
    QTest::newRow("numbers and percentages mixed, blank form") << "rgb(255 50% 0)" << 1 << 0xFF8000u << 0u;
    QTest::newRow("comma form all percentages, alpha percent")
        << "rgba(0%, 50%, 100%, 50%)" << 1 << 0x0080FFu << 0u;

    // Out of range: clamped as CSS reads it, then mapped into sRGB as CSS Color 4 says (tst_csscolor).
    QTest::newRow("rgb clamped") << "rgb(300 -20 128)" << 1 << 0xFF0080u << 0u;
    QTest::newRow("rgb percent clamped") << "rgb(101%,0%,0%)" << 1 << 0xFF0000u << 0u;
    QTest::newRow("saturation clamped") << "hsl(120, 101%, 50%)" << 1 << 0x00FF00u << 0u;
    QTest::newRow("lightness clamped") << "hsl(120, 50%, -1%)" << 1 << 0x000000u << 0u;
    QTest::newRow("lab lightness clamped") << "lab(150 0 0)" << 1 << 0xFFFFFFu << 0u;
    QTest::newRow("negative chroma is none") << "oklch(0.5 -0.1 40)" << 1 << 0x636363u << 0u;
    QTest::newRow("srgb outside its gamut, mapped") << "color(srgb 1.5 -0.5 0.5)" << 1 << 0xFF92A8u << 0u;

    QTest::newRow("Qt") << "QColor(64, 128, 192)" << 1 << 0x4080C0u << 0u;
    QTest::newRow(".NET") << "Color.FromArgb(64,128,192)" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Java") << "new Color( 64, 128, 192 )" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Python tuple") << "(64, 128, 192)" << 1 << 0x4080C0u << 0u;
    QTest::newRow("Swift") << "Color(red: 0.251, green: 0.502, blue: 0.753)" << 1 << 0x4080C0u << 0u;

    QTest::newRow("name") << "RebeccaPurple" << 1 << 0x663399u << 0u;
    QTest::newRow("name grey") << "grey" << 1 << 0x808080u << 0u;
    QTest::newRow("name long") << "lightgoldenrodyellow" << 1 << 0xFAFAD2u << 0u;
    QTest::newRow("name first") << "aliceblue" << 1 << 0xF0F8FFu << 0u;
    QTest::newRow("name last") << "yellowgreen" << 1 << 0x9ACD32u << 0u;

    QTest::newRow("report") << report() << 2 << 0x4080C0u << 0xE0E0E0u;
    QTest::newRow("report LF") << reportWith("\r\n", "\n") << 2 << 0x4080C0u << 0xE0E0E0u;
    QTest::newRow("report lower case, blanks")
        << "  " + reportWith("\r\n", " \n").toLower() << 2 << 0x4080C0u << 0xE0E0E0u;
    QTest::newRow("report HTML lines only") << reportKeeping({"HTML"}) << 2 << 0x4080C0u << 0xE0E0E0u;
    QTest::newRow("report channel lines only") << reportKeeping({"(dec.)"}) << 2 << 0x4080C0u << 0xE0E0E0u;
    QTest::newRow("report foreground first")
        << report().mid(report().indexOf("Fore")) + report().left(report().indexOf("Fore")) << 2 << 0x4080C0u
        << 0xE0E0E0u;
    QTest::newRow("report single digits")
        << reportWith("red    64 (dec.)  40 (hex.)", "red     5 (dec.)   5 (hex.)")
               .replace("12615744", "12615685")
               .replace("#4080C0", "#0580C0")
               .replace("&HC08040", "&HC08005")
               .replace("RGB(64,", "RGB(5,")
        << 2 << 0x0580C0u << 0xE0E0E0u;
}

void tst_ColorParse::accepted()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(uint, first);
    QFETCH(uint, second);

    const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
    QCOMPARE(parsed.count, count);
    QCOMPARE(hexForm(parsed.colors[0]), hexForm(first));
    if (count == 2)
        QCOMPARE(hexForm(parsed.colors[1]), hexForm(second));
    QCOMPARE(colorparse::parseOneColor(text).has_value(), count == 1);
}

void tst_ColorParse::rejected_data()
{
    QTest::addColumn<QString>("text");

    // Each row's texts fail in the same part of the reader.
    addRejected("blank", {"", "   "});
    addRejected("HTML", {"#", "#12", "#12345", "#1234567", "#123456789", "#GG0000", "# 123456"});
    addRejected("0x and Visual Basic", {"0x12345", "0x4080C0F", "0x", "&H", "&HG", "&H1234567", "&H12&&"});
    addRejected("decimal", {"16777216", "99999999999999999999", "-1", "+1", "1.5", "12 34", "12345g"});
    addRejected("decimal with its word",
                {"(decimal)", "12 34 (decimal)", "16777216 (decimal)", "#4080C0 (decimal)"});
    addRejected("comma form mixes numbers and percentages",
                {"rgb(50,5%, 20%, 10%)", "rgb(50%, 5, 20)", "rgba(1, 2, 3%, 0.5)"});
    addRejected("comma form takes no none", {"rgb(none, 0, 0)", "rgba(1, 2, 3, none)", "hsl(none, 0%, 0%)"});
    addRejected("comma form only for rgb and hsl", {"hwb(120, 0%, 0%)", "lab(50, 0, 0)", "oklch(0.5, 0, 0)"});
    addRejected("units",
                {"rgb(1px,0,0)", "rgb(1deg 2 3)", "lab(50deg 0 0)", "hsl(50% 50% 50%)", "rgb(1e 2 3)"});
    addRejected("rgb counts",
                {"rgb(1,2)", "rgb(1,2,3,4,5)", "rgb(1,,3)", "rgb(1 2, 3)", "rgb()", "rgb(1 2 3 4)"});
    addRejected("rgb alpha", {"rgb(1,2,3 / 0.5)", "rgb(1 2 3 / )", "rgb(1 2 3 / 1 1)", "rgb(1 2 3 / 1deg)"});
    addRejected("rgb brackets", {"rgb(1,2,3)x", "rgb((1),2,3)", "rgb(1,2,3", "rgb1,2,3)"});
    addRejected("hsl", {"hsl(120, 50%)", "hsl(120, 50, 50)", "hsl(120%, 50%, 50%)"});
    addRejected("color()",
                {"color(display-p3 1 0)", "color(srgb 1 0)", "color(srgb1 0 0 0)", "color(1 0 0)"});
    addRejected("program literals",
                {"QColor(256, 0, 0)", "QColor(1.5, 2, 3)", "QColor(1, 2, 3, 4)", "(1, 2)", "(1 2 3)",
                 "Color.FromArgb(-1, 2, 3)", "Color(red: 0.1, blue: 0.2, green: 0.3)",
                 "Color(red: 0.1, green: 0.2)", "Color(red: 1%, green: 0, blue: 0)"});
    addRejected("other forms", {"cmyk(1,2,3)", "currentcolor", "rgb (1,2,3)"});
    addRejected("names", {"notacolor", "red blue", "re d", "blac\u212A", "r\u00E9d"});

    addRejected("report contradicts itself",
                {reportWith("#4080C0", "#4080C1"), reportWith("128 (dec.)  80", "128 (dec.)  81"),
                 reportWith("12615744", "12615745"), reportWith("&HE0E0E0", "&HE0E0E1"),
                 reportWith("RGB(224,224,224)", "RGB(224,224,0)"),
                 reportWith("red   224 (dec.)  E0", "red   480 (dec.)  E0")});
    addRejected("report lines repeated, wrong or unknown",
                {reportWith("#E0E0E0 (hexadecimal for HTML)\r\n",
                            "#E0E0E0 (hexadecimal for HTML)\r\n#E0E0E0 (hexadecimal for HTML)\r\n"),
                 reportWith("Foreground", "Background"),
                 reportWith("12615744 (decimal)", "#4080C0 (decimal)"),
                 reportWith("\r\n\r\nForeground", "\r\nhello\r\nForeground"),
                 reportWith("#E0E0E0 (", "#E0E0 ("), "Colours:\r\n" + report()});
    addRejected("report incomplete", {report().left(report().indexOf("Fore")),
                                      report().left(report().indexOf("Fore")) + "Foreground color:",
                                      reportKeeping({"red", "green"})});
}

void tst_ColorParse::rejected()
{
    QFETCH(QString, text);
    const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
    QCOMPARE(parsed.count, 0);
    QVERIFY(!colorparse::parseOneColor(text));
}

void tst_ColorParse::transparencyIsTold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ignored");

    QTest::newRow("#rgba below F") << "#48c8" << true;
    QTest::newRow("#rgba opaque") << "#48cF" << false;
    QTest::newRow("#rrggbbaa") << "#4080c0fe" << true;
    QTest::newRow("ARGB") << "0x804080C0" << true;
    QTest::newRow("comma alpha") << "rgba(1, 2, 3, 0.5)" << true;
    QTest::newRow("slash alpha 100%") << "rgb(1 2 3 / 100%)" << false;
    QTest::newRow("alpha above 1 is clamped to 1") << "rgb(1 2 3 / 2)" << false;
    QTest::newRow("alpha below 0 is clamped to 0") << "lab(50 0 0 / -1)" << true;
    QTest::newRow("alpha none") << "hsl(0 0% 0% / none)" << true;
    QTest::newRow("almost opaque") << "oklch(0.5 0 0 / 0.999)" << true;
    QTest::newRow("no alpha") << "#4080c0" << false;
}

void tst_ColorParse::transparencyIsTold()
{
    QFETCH(QString, text);
    QFETCH(bool, ignored);
    const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
    QCOMPARE(parsed.count, 1);
    QCOMPARE(parsed.transparencyIgnored, ignored);
}

// Random bytes and damaged valid texts: every one is rejected or gives channels in range, and a single
// colour reads back the same from its HTML form.
void tst_ColorParse::randomTextIsRejectedOrInRange()
{
    const QStringList valid = {"#4080C0",
                               "#4ac",
                               "0x4080C0",
                               "&HC08040&",
                               "12615744",
                               "RGB(64,128,192)",
                               "rgb(25% 50% 0 / .5)",
                               "hsl(210, 50%, 50%)",
                               "olivedrab",
                               report()};
    const QString alphabet = QStringLiteral("#0123456789abcdefABCDEFxXhHgG&(),%/ .-+:\r\nrgbslRGBdeg");
    QRandomGenerator random(20240613);
    int accepted = 0;
    for (int i = 0; i < 10000; ++i) {
        QString text;
        if (i % 2 == 0) {
            const int length = random.bounded(24);
            for (int k = 0; k < length; ++k)
                text += QChar(char16_t(random.bounded(i % 4 == 0 ? 0x10000 : 0x80)));
        } else {
            text = valid[random.bounded(valid.size())];
            for (int edits = 1 + random.bounded(3); edits > 0 && !text.isEmpty(); --edits) {
                const int at = random.bounded(text.size());
                const QChar c = alphabet[random.bounded(alphabet.size())];
                switch (random.bounded(4)) {
                case 0:
                    text.remove(at, 1);
                    break;
                case 1:
                    text.insert(at, c);
                    break;
                case 2:
                    text[at] = c;
                    break;
                default:
                    text.truncate(at);
                    break;
                }
            }
        }
        const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
        QVERIFY2(parsed.count >= 0 && parsed.count <= 2, qPrintable(text));
        for (int k = 0; k < parsed.count; ++k)
            QVERIFY2(qAlpha(parsed.colors[k]) == 255, qPrintable(text));
        if (parsed.count == 1)
            QVERIFY2(colorparse::parseOneColor(hexForm(parsed.colors[0])) == parsed.colors[0],
                     qPrintable(text));
        accepted += parsed.count > 0;
    }
    // The mutations must reach the accepting paths, or the loop proves little.
    QVERIFY(accepted > 500);
}

QTEST_APPLESS_MAIN(tst_ColorParse)
#include "tst_colorparse.moc"
