// SPDX-License-Identifier: MIT
#include "color/colorparse.h"
#include "color/gamutmap.h"

#include <QTest>

namespace {

// "#rrggbb", then what the reader tells besides: " alpha" (an alpha below 1 was dropped), " mapped" (brought
// into sRGB), " light" (light-dark() gave its light colour); or "refused: <reason>", or "no color".
QString described(const QString &text)
{
    const colorparse::ParsedColors parsed = colorparse::parseColorText(text);
    if (parsed.count != 1)
        return parsed.refusal.isEmpty() ? QStringLiteral("no color")
                                        : QStringLiteral("refused: ") + parsed.refusal;
    QString out = QStringLiteral("#%1").arg(parsed.colors[0] & 0xFFFFFFu, 6, 16, QChar(u'0'));
    if (parsed.transparencyIgnored)
        out += QStringLiteral(" alpha");
    if (parsed.gamutMapped)
        out += QStringLiteral(" mapped");
    if (parsed.lightTaken)
        out += QStringLiteral(" light");
    return out;
}

void addRows(const QList<std::pair<const char *, const char *>> &rows)
{
    for (const auto &[text, expected] : rows)
        QTest::addRow("%s", text) << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

} // namespace

// CSS Color 4's predefined spaces and gamut mapping, and each form CSS Color 5 adds. Expected values are
// the standards' own examples or worked out by hand from their definitions.
class tst_CssColor : public QObject
{
    Q_OBJECT

private slots:
    void predefinedSpaces_data();
    void predefinedSpaces() { check(); }
    void gamutMapping_data();
    void gamutMapping() { check(); }
    void colorMix_data();
    void colorMix() { check(); }
    void relativeColors_data();
    void relativeColors() { check(); }
    void contrastColorAndLightDark_data();
    void contrastColorAndLightDark() { check(); }
    void keywordsOfAPage_data();
    void keywordsOfAPage() { check(); }

private:
    static void check()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(described(text), expected);
    }
    static void columns()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
    }
};

void tst_CssColor::predefinedSpaces_data()
{
    columns();
    // Mid greys by hand: each space's transfer function of 0.5, then sRGB's; the whites are the same.
    addRows({{"color(srgb-linear 0.5 0.5 0.5)", "#bcbcbc"},
             {"color(a98-rgb 0.5 0.5 0.5)", "#818181"},
             {"color(prophoto-rgb 0.5 0.5 0.5)", "#929292"},
             {"color(rec2020 0.5 0.5 0.5)", "#8b8b8b"},
             {"color(display-p3 50% 50% 50%)", "#808080"},
             {"color(display-p3 1 1 1)", "#ffffff"},
             // The design tokens format's own examples of hot pink.
             {"color(xyz-d65 0.5929 0.2848 0.9699)", "#ff00ff"},
             {"color(xyz 0.5929 0.2848 0.9699)", "#ff00ff"},
             {"color(xyz-d50 0.5791 0.2831 0.728)", "#ff00ff"},
             {"color(display-p3 none 0 0 / 50%)", "#000000 alpha"},
             {"color(rec2020 0 0 0 / calc(0.5 * 2))", "#000000"},
             {"color(display-p3 1 0)", "no color"},
             {"color(display-p3 1 0 0 0)", "no color"},
             {"color(p3 1 0 0)", "no color"},
             {"color(display-p3 1deg 0 0)", "no color"}});
}

void tst_CssColor::gamutMapping_data()
{
    columns();
    // Worked out by hand with CSS Color 4's binary search: deltaEOK against the clipped colour, JND 0.02.
    addRows({{"color(display-p3 0 1 0)", "#00fb29 mapped"},
             {"oklch(0.7 0.4 130)", "#70b600 mapped"},
             {"color(srgb 1.5 -0.5 0.5)", "#ff92a8 mapped"},
             // Close enough to sRGB that the clipped colour is within the JND: clipped.
             {"color(srgb 1.01 0.5 0.5)", "#ff8080 mapped"},
             // Lightness past the ends gives white or black.
             {"color(srgb 1.2 1.2 1.2)", "#ffffff mapped"},
             {"color(srgb -0.1 -0.1 -0.1)", "#000000 mapped"},
             // Within half an 8-bit step of sRGB is inside: rounding takes it in anyway.
             {"color(srgb 1.001 0.5 -0.001)", "#ff8000"},
             {"lab(60.17 93.54 -60.5)", "#ff00ff"},
             {"color(srgb 1e308 0 0)", "#ff0000 mapped"}});
}

void tst_CssColor::colorMix_data()
{
    columns();
    addRows({// CSS Color 5's examples, the result as its rgb() percentages give it on the 8-bit scale.
             {"color-mix(in lch, purple 50%, plum 50%)", "#af5cae"},
             {"color-mix(in lch, purple 50%, plum)", "#af5cae"},
             {"color-mix(in lch, purple, plum 50%)", "#af5cae"},
             {"color-mix(in lch, plum, purple)", "#af5cae"},
             {"color-mix(in lch, purple 80%, plum 80%)", "#af5cae"},
             {"color-mix(in lch, purple 30%, plum 30%)", "#af5cae alpha"},
             {"color-mix(in lch, peru 40%, palegoldenrod)", "#dfc279"},
             {"color-mix(in lch, teal 65%, olive)", "#14865f"},
             // Their blue lies a little above 100% (1.0145 and 1.0360); the clipped colour is within the JND.
             {"color-mix(in lch, white, blue)", "#af89ff mapped"},
             {"color-mix(in oklch, white, blue)", "#74a3ff mapped"},
             {"color-mix(in srgb, white, blue)", "#8080ff"},
             {"color-mix(in xyz, rgb(82.02% 30.21% 35.02%) 75.23%, rgb(5.64% 55.94% 85.31%))", "#b86389"},
             {"color-mix(in srgb, rgb(100% 0% 0% / 0.7) 25%, rgb(0% 100% 0% / 0.2))", "#897600 alpha"},
             // By hand.
             {"color-mix(in srgb, red 25%, blue)", "#4000bf"},
             {"color-mix(in srgb-linear, red, blue)", "#bc00bc"},
             {"color-mix(white, black)", "#636363"},
             {"color-mix(in srgb, red 0%, blue 0%)", "#000000 alpha"},
             {"color-mix(in srgb, rgb(none 0 0), blue)", "#000080"},
             {"color-mix(in srgb, red)", "#ff0000"},
             {"color-mix(in srgb, red 40%)", "#ff0000 alpha"},
             {"color-mix(in srgb, red, lime, blue)", "#555555"},
             {"color-mix(in srgb, 25% red, blue)", "#4000bf"},
             // Hues 10 and 350: the short way through 0, the long way through 180.
             {"color-mix(in hsl, hsl(10 100% 50%), hsl(350 100% 50%))", "#ff0000"},
             {"color-mix(in hsl shorter hue, hsl(10 100% 50%), hsl(350 100% 50%))", "#ff0000"},
             {"color-mix(in hsl, hsl(10 100% 50%) 75%, hsl(350 100% 50%))", "#ff1500"},
             {"color-mix(in hsl longer hue, hsl(10 100% 50%), hsl(350 100% 50%))", "#00ffff"},
             {"color-mix(in hsl increasing hue, hsl(10 100% 50%), hsl(350 100% 50%))", "#00ffff"},
             {"color-mix(in hsl decreasing hue, hsl(10 100% 50%), hsl(350 100% 50%))", "#ff0000"},
             {"color-mix(in hsl increasing hue, hsl(350 100% 50%), hsl(10 100% 50%))", "#ff0000"},
             {"color-mix(in hsl decreasing hue, hsl(350 100% 50%), hsl(10 100% 50%))", "#00ffff"},
             // A grey has no hue: the other colour's is kept.
             {"color-mix(in hsl, grey, hsl(120 100% 50%))", "#40bf40"},
             // Malformed.
             {"color-mix(in srgb red, blue)", "no color"},
             {"color-mix(in srgb, red -10%, blue)", "no color"},
             {"color-mix(in srgb, red 101%, blue)", "no color"},
             {"color-mix(in srgb, red 10% 20%, blue)", "no color"},
             {"color-mix(in srgb shorter hue, red, blue)", "no color"},
             {"color-mix(in lch sideways hue, red, blue)", "no color"},
             {"color-mix(in lch shorter, red, blue)", "no color"},
             {"color-mix(in cmyk, red, blue)", "no color"},
             {"color-mix(in srgb, red, blue,)", "no color"},
             {"color-mix(in srgb)", "no color"}});
}

void tst_CssColor::relativeColors_data()
{
    columns();
    addRows({{"rgb(from #336699 r g calc(b - 20))", "#336685"},
             {"rgb(from #336699 r g b / 0.5)", "#336699 alpha"},
             {"rgb(from rgb(10 20 30 / 0.5) r g b)", "#0a141e alpha"},
             {"rgb(from rgb(10 20 30 / 0.5) r g b / 1)", "#0a141e"},
             {"rgb(from red calc(r / 2) g b)", "#800000"},
             {"rgb(from red calc((r + 1) / 2 - 0.5) g b)", "#800000"},
             {"rgb(from red min(r, 100) max(g, 10) clamp(0, b, 5))", "#640a00"},
             {"hsl(from red calc(h + 120) s l)", "#00ff00"},
             {"hsl(from red h s calc(l - 25%))", "#800000"},
             {"hwb(from blue calc(h - 120deg) w b)", "#00ff00"},
             {"oklch(from #808080 l c h)", "#808080"},
             {"lab(from #000 calc(l + 100) a b)", "#ffffff"},
             {"color(from red srgb r g b / alpha)", "#ff0000"},
             {"color(from color(xyz-d65 0.5929 0.2848 0.9699) xyz x y z)", "#ff00ff"},
             {"rgb(from color-mix(in srgb, red, blue) r g b)", "#800080"},
             // Keywords only after "from", calc() wants blanks around + and -, legacy commas never.
             {"rgb(r g b)", "no color"},
             {"rgb(from red r g calc(b-20))", "no color"},
             {"rgb(from red r g calc(b -20))", "no color"},
             {"rgb(from red r, g, b)", "no color"},
             {"rgb(from red r g)", "no color"},
             {"rgb(from r g b)", "no color"},
             {"hsl(from red x s l)", "no color"},
             {"rgb(calc(255) 0 0)", "#ff0000"},
             {"rgb(calc(1 / 0) 0 0)", "no color"},
             {"rgb(calc(((((1))))) 0 0)", "#010000"}});
    // Nesting far deeper than any colour needs is refused before the stack runs out.
    const int deep = 100000;
    QTest::newRow("calc() nested deep")
        << "rgb(calc(" + QString(deep, u'(') + u'1' + QString(deep, u')') + ") 0 0)"
        << "no color";
    QString mixes;
    for (int i = 0; i < deep; ++i)
        mixes += QStringLiteral("color-mix(in srgb, red, ");
    QTest::newRow("color-mix() nested deep") << mixes + "red" + QString(deep, u')') << "no color";
}

void tst_CssColor::contrastColorAndLightDark_data()
{
    columns();
    // By hand: white's ratio 1.05 / (L + 0.05) against black's (L + 0.05) / 0.05; greys 0x75 and 0x76 lie
    // either side of where they are equal (L = 0.1791), a tie going to white.
    addRows({{"contrast-color(#757575)", "#ffffff"},
             {"contrast-color(#767676)", "#000000"},
             {"contrast-color(white)", "#000000"},
             {"contrast-color(navy)", "#ffffff"},
             {"contrast-color(color-mix(in srgb, black 10%, white))", "#000000"},
             {"color-mix(in srgb, contrast-color(black), black)", "#808080"},
             {"contrast-color(red, blue)", "no color"},
             {"light-dark(red, blue)", "#ff0000 light"},
             {"light-dark(rgb(0 0 0 / 50%), white)", "#000000 alpha light"},
             {"light-dark(red)", "no color"},
             {"light-dark(red, nothing)", "no color"}});
}

void tst_CssColor::keywordsOfAPage_data()
{
    columns();
    addRows({{"transparent", "#000000 alpha"},
             {"currentcolor", "refused: currentcolor is the color of the text where it is used"},
             {"CurrentColor", "refused: currentcolor is the color of the text where it is used"},
             {"var(--x)", "refused: var() stands for a value set in a page; paste the color it holds"},
             {"rgb(from var(--x) r g calc(b - 20))",
              "refused: var() stands for a value set in a page; paste the color it holds"},
             {"color-mix(in srgb, currentcolor, red)",
              "refused: currentcolor is the color of the text where it is used"},
             {"Canvas", "refused: canvas is a system color, which the desktop's theme sets"},
             {"buttonface", "refused: buttonface is a system color, which the desktop's theme sets"}});
}

QTEST_APPLESS_MAIN(tst_CssColor)
#include "tst_csscolor.moc"
