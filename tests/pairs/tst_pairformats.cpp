// SPDX-License-Identifier: MIT
#include "pairs/orderedjson.h"
#include "pairs/pairformats.h"
#include "pairs/pairimport.h"

#include <QTest>

using pairformats::Format;

Q_DECLARE_METATYPE(pairformats::Format)

namespace {

const NamedPairs kPairs{
    {"Body text", {0xFFFFFFFFu, 1}, {0xFF222222u, 2}},
    {"Links!", {0xFFFFFFFFu, 1}, {0xFF0645ADu, 2}},
    {QString::fromUtf8("body \"text\" \\ \xc3\xa9"), {0xFF4080C0u, 1}, {0xFFE0E0E0u, 2}},
};

// What a list of imported pairs comes to, one line a pair: "name: background on foreground".
QStringList described(const NamedPairs &pairs)
{
    QStringList lines;
    for (const NamedPair &p : pairs) {
        lines << QStringLiteral("%1: #%2 on #%3")
                     .arg(p.name)
                     .arg(p.background.rgb & 0xFFFFFFu, 6, 16, QChar(u'0'))
                     .arg(p.foreground.rgb & 0xFFFFFFu, 6, 16, QChar(u'0'));
    }
    return lines;
}

} // namespace

// The exports written and read back, files of other programs paired by name, and malformed files refused.
class tst_PairFormats : public QObject
{
    Q_OBJECT

private slots:
    void writes_data();
    void writes();
    void readsItsOwnExports_data();
    void readsItsOwnExports();
    void pairsColoursOfOtherPrograms_data();
    void pairsColoursOfOtherPrograms();
    void refusesMalformedFiles_data();
    void refusesMalformedFiles();
    void everyShortFile();
    void readsTokenColorObjects_data();
    void readsTokenColorObjects();
    void reports_data();
    void reports();
};

void tst_PairFormats::writes_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<NamedPairs>("pairs");
    QTest::addColumn<QString>("text");

    QTest::newRow("css") << Format::Css << kPairs
                         << ":root {\n"
                            "  --body-text-background: #ffffff;\n"
                            "  --body-text-foreground: #222222;\n"
                            "  --links-background: #ffffff;\n"
                            "  --links-foreground: #0645ad;\n"
                            "  --body-text-2-background: #4080c0;\n"
                            "  --body-text-2-foreground: #e0e0e0;\n"
                            "}\n";
    // Each colour as the format's stable version writes it: sRGB components in the fewest decimals that read
    // back as the same colour (0.13 would be 33, not 34), and the hexadecimal code as a fallback.
    const auto token = [](const char *role, const char *components, const char *hex, bool last) {
        return QStringLiteral("    \"%1\": {\n      \"$type\": \"color\",\n      \"$value\": {\n"
                              "        \"colorSpace\": \"srgb\",\n        \"components\": [%2],\n"
                              "        \"alpha\": 1,\n        \"hex\": \"%3\"\n      }\n    }%4\n")
            .arg(QLatin1StringView(role), QLatin1StringView(components), QLatin1StringView(hex),
                 last ? "" : ",");
    };
    QTest::newRow("json") << Format::Json << kPairs
                          << "{\n  \"body-text\": {\n    \"$description\": \"Body text\",\n" +
                                 token("background", "1, 1, 1", "#ffffff", false) +
                                 token("foreground", "0.133, 0.133, 0.133", "#222222", true) +
                                 "  },\n  \"links\": {\n    \"$description\": \"Links!\",\n" +
                                 token("background", "1, 1, 1", "#ffffff", false) +
                                 token("foreground", "0.024, 0.271, 0.678", "#0645ad", true) +
                                 "  },\n  \"body-text-2\": {\n    \"$description\": \"body \\\"text\\\" "
                                 "\\\\ " +
                                 QString::fromUtf8("\xc3\xa9") + "\",\n" +
                                 token("background", "0.251, 0.502, 0.753", "#4080c0", false) +
                                 token("foreground", "0.88, 0.88, 0.88", "#e0e0e0", true) + "  }\n}\n";
    QTest::newRow("gpl") << Format::Gpl << kPairs
                         << QString::fromUtf8("GIMP Palette\n"
                                              "Name: Quenby Color Picker pairs\n"
                                              "Columns: 2\n"
                                              "#\n"
                                              "255 255 255\tBody text background\n"
                                              " 34  34  34\tBody text foreground\n"
                                              "255 255 255\tLinks! background\n"
                                              "  6  69 173\tLinks! foreground\n"
                                              " 64 128 192\tbody \"text\" \\ \xc3\xa9 background\n"
                                              "224 224 224\tbody \"text\" \\ \xc3\xa9 foreground\n");
    QTest::newRow("css, no pairs") << Format::Css << NamedPairs() << ":root {\n}\n";
    QTest::newRow("json, no pairs") << Format::Json << NamedPairs() << "{}\n";
    QTest::newRow("gpl, no pairs") << Format::Gpl << NamedPairs()
                                   << "GIMP Palette\nName: Quenby Color Picker pairs\nColumns: 2\n#\n";
}

void tst_PairFormats::writes()
{
    QFETCH(Format, format);
    QFETCH(NamedPairs, pairs);
    QFETCH(QString, text);
    QCOMPARE(pairformats::write(format, pairs), text);
}

void tst_PairFormats::readsItsOwnExports_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QStringList>("pairs");

    const QString third = QString::fromUtf8("body \"text\" \\ \xc3\xa9");
    QTest::newRow("css, with the names it writes")
        << Format::Css
        << QStringList{"body-text: #ffffff on #222222", "links: #ffffff on #0645ad",
                       "body-text-2: #4080c0 on #e0e0e0"};
    QTest::newRow("json, with the pairs' own names")
        << Format::Json
        << QStringList{"Body text: #ffffff on #222222", "Links!: #ffffff on #0645ad",
                       third + ": #4080c0 on #e0e0e0"};
    QTest::newRow("gpl, with the pairs' own names")
        << Format::Gpl
        << QStringList{"Body text: #ffffff on #222222", "Links!: #ffffff on #0645ad",
                       third + ": #4080c0 on #e0e0e0"};
}

void tst_PairFormats::readsItsOwnExports()
{
    QFETCH(Format, format);
    QFETCH(QStringList, pairs);
    const pairimport::Imported imported = pairimport::read(pairformats::write(format, kPairs));
    QVERIFY2(imported.ok(), qPrintable(imported.error));
    QCOMPARE(described(imported.pairs), pairs);
    QCOMPARE(imported.unpaired, 0);
}

void tst_PairFormats::pairsColoursOfOtherPrograms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<int>("unpaired");

    QTest::newRow("gpl of single colours, columns of any width")
        << "GIMP Palette\nName: Site\n# comment\n\n0 0 0 Untitled\n255 255 255\tButton BG\n"
           "10  20   30 button fg\n  1 2 3\n"
        << QStringList{"Button: #ffffff on #0a141e"} << 2;
    QTest::newRow("gpl with CR LF and no names")
        << "GIMP Palette\r\nColumns: 4\r\n1 2 3\r\n4 5 6 Text background\r\n7 8 9 Text foreground\r\n"
        << QStringList{"Text: #040506 on #070809"} << 1;
    QTest::newRow("gpl with CR alone") << "GIMP Palette\r4 5 6 Text background\r7 8 9 Text foreground\r"
                                       << QStringList{"Text: #040506 on #070809"} << 0;
    QTest::newRow("css: -bg and -fg, -background, any case, in order of the first colour")
        << "/* theme */\n:root {\n  --link-FG: #00f;\n  --surface: white;\n  --Link-bg: rgb(255 255 255);\n"
           "  --alert-background: #ff0000 !important;\n  --alert-foreground: hsl(0 0% 100%);\n}\n"
        << QStringList{"link: #ffffff on #0000ff", "alert: #ff0000 on #ffffff"} << 1;
    QTest::newRow("css: rules, at-rules, strings and comments in the way")
        << "@charset \"utf-8\";\n@media (prefers-color-scheme: dark) {\n  .x { --card-bg: /* dark */ #111; "
           "}\n"
           "}\na::before { content: \"} {;\"; --card-fg: #eee; --space: 4px; --n: 12; --v: var(--card-bg); "
           "}\n"
        << QStringList{"card: #111111 on #eeeeee"} << 0;
    QTest::newRow("css: bare declarations, _bg and _fg") << "--title_bg: navy;\n--title_fg: #ffffff80;\n"
                                                         << QStringList{"title: #000080 on #ffffff"} << 0;
    QTest::newRow("css: two backgrounds wait for their foregrounds")
        << ":root { --a-bg: #010101; --a-bg: #020202; --a-fg: #030303; }"
        << QStringList{"a: #010101 on #030303"} << 1;
    QTest::newRow("json: nested groups, inherited type, aliases, text values")
        << "{ \"base\": { \"$type\": \"color\", \"navy\": { \"$value\": \"#000080\" } },\n"
           "  \"button\": { \"primary\": { \"$type\": \"color\",\n"
           "     \"foreground\": { \"$value\": \"rgb(255, 255, 255)\" },\n"
           "     \"background\": { \"$value\": \"{base.navy}\" } } },\n"
           "  \"size\": { \"bg\": { \"$type\": \"dimension\", \"$value\": \"4px\" } } }"
        << QStringList{"button.primary: #000080 on #ffffff"} << 1;
    QTest::newRow("json: -bg tokens, older value, colour objects, no $description")
        << "{ \"alert-bg\": { \"value\": \"#ff0000\" }, \"alert-fg\": { \"$type\": \"color\",\n"
           "  \"$value\": { \"colorSpace\": \"srgb\", \"components\": [1, 1, 1], \"hex\": \"#ffffff\" } },\n"
           "  \"note\": { \"$value\": \"#123456\", \"$description\": \"x\" },\n"
           "  \"loop\": { \"$value\": \"{loop}\" }, \"missing\": { \"$value\": \"{nowhere}\" } }"
        << QStringList{"alert: #ff0000 on #ffffff"} << 1;
    QTest::newRow("json: a group's own tokens named by its $description")
        << "{ \"g\": { \"$description\": \"Hero banner\", \"fg\": { \"$value\": \"#fff\" },"
           " \"bg\": { \"$value\": \"#000\" } } }"
        << QStringList{"Hero banner: #000000 on #ffffff"} << 0;
    QTest::newRow("json: a name given twice, the last value in the first place")
        << "{ \"a\": { \"bg\": { \"$value\": \"#111\" }, \"fg\": { \"$value\": \"#222\" } },"
           " \"b\": { \"bg\": { \"$value\": \"#333\" }, \"fg\": { \"$value\": \"#444\" } },"
           " \"a\": { \"bg\": { \"$value\": \"#555\" }, \"fg\": { \"$value\": \"#666\" } } }"
        << QStringList{"a: #555555 on #666666", "b: #333333 on #444444"} << 0;
    QTest::newRow("json: background and foreground with no stem")
        << "{ \"background\": { \"$value\": \"#000\" }, \"foreground\": { \"$value\": \"#fff\" } }"
        << QStringList{": #000000 on #ffffff"} << 0;
    QTest::newRow("our empty exports") << ":root {\n}\n" << QStringList{} << 0;
    QTest::newRow("a byte order mark") << QString::fromUtf8("\xef\xbb\xbf{}") << QStringList{} << 0;
}

void tst_PairFormats::pairsColoursOfOtherPrograms()
{
    QFETCH(QString, text);
    QFETCH(QStringList, pairs);
    QFETCH(int, unpaired);
    const pairimport::Imported imported = pairimport::read(text);
    QVERIFY2(imported.ok(), qPrintable(imported.error));
    QCOMPARE(described(imported.pairs), pairs);
    QCOMPARE(imported.unpaired, unpaired);
}

void tst_PairFormats::refusesMalformedFiles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");

    QTest::newRow("empty") << " \n\t"
                           << "the file is empty";
    QTest::newRow("gpl: a channel above 255")
        << "GIMP Palette\n255 0 0 red\n256 0 0 redder\n"
        << "not a valid GIMP palette: line 3 is not a color: '256 0 0 redder'";
    QTest::newRow("gpl: two channels") << "GIMP Palette\n1 2\n"
                                       << "not a valid GIMP palette: line 2 is not a color: '1 2'";
    QTest::newRow("gpl: a word") << "GIMP Palette\nName: x\nhello\n"
                                 << "not a valid GIMP palette: line 3 is not a color: 'hello'";
    QTest::newRow("gpl: control characters quoted visibly")
        << "GIMP Palette\n1 2 3x\x01\n"
        << QString::fromUtf8("not a valid GIMP palette: line 2 is not a color: '1 2 3x\xe2\x90\x81'");
    QTest::newRow("json: a missing comma") << "{\n  \"a\": {}\n  \"b\": {}\n}"
                                           << "not valid JSON: expected ',' or '}' at line 3, column 3";
    QTest::newRow("json: cut short") << "{\"a\": {\"$value\": \"#fff\""
                                     << "not valid JSON: expected ',' or '}' at line 1, column 24";
    QTest::newRow("json: a bad escape") << "{\"a\\q\": 1}"
                                        << "not valid JSON: unknown escape at line 1, column 4";
    QTest::newRow("json: text after the end") << "{} {}"
                                              << "not valid JSON: text after the end at line 1, column 4";
    QTest::newRow("json: a list") << "[1, 2]"
                                  << "not design tokens: the file holds no object";
    QTest::newRow("json: nesting too deep")
        << QString(200, u'[') << "not valid JSON: nesting too deep at line 1, column 102";
    QTest::newRow("css: a brace not closed") << ":root {\n  --a-bg: #fff;\n"
                                             << "not valid CSS: a '{' is not closed at line 3";
    QTest::newRow("css: a brace that closes nothing") << "a { }\n}"
                                                      << "not valid CSS: '}' without '{' at line 2";
    QTest::newRow("css: a comment not closed") << ":root { /* --a-bg: #fff; }"
                                               << "not valid CSS: a comment is not closed at line 1";
    QTest::newRow("css: a string not closed") << "a { content: \"x; }\n"
                                              << "not valid CSS: a string is not closed at line 1";
    QTest::newRow("css: no declaration") << ":root {\n  --a-bg #fff;\n}"
                                         << "not valid CSS: '--a-bg #fff' is no declaration at line 2";
    QTest::newRow("any text") << "hello world"
                              << "not valid CSS: 'hello world' is no rule at line 1";
}

void tst_PairFormats::refusesMalformedFiles()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const pairimport::Imported imported = pairimport::read(text);
    QCOMPARE(imported.error, error);
    QVERIFY(imported.pairs.isEmpty());
}

// Every file of up to four pieces of the three formats is read or refused in one line, without fault.
void tst_PairFormats::everyShortFile()
{
    const QStringList pieces{
        "{", "}", "\"", ":", ";", "--a-bg", "#fff", "/*", "\\", "\n", "GIMP Palette\n", "1 2 3 x-fg"};
    QStringList texts{QString()};
    for (int length = 0; length < 4; ++length) {
        QStringList longer;
        for (const QString &text : std::as_const(texts)) {
            for (const QString &piece : pieces)
                longer << text + piece;
        }
        for (const QString &text : std::as_const(longer)) {
            const pairimport::Imported imported = pairimport::read(text);
            QVERIFY2(!imported.error.contains(u'\n'), qPrintable(text));
            QVERIFY2(imported.ok() || imported.pairs.isEmpty(), qPrintable(text));
        }
        texts = std::move(longer);
    }
}

void tst_PairFormats::readsTokenColorObjects_data()
{
    QTest::addColumn<QString>("value");
    // The background read, then how many colours were mapped into sRGB and had an alpha below 1; "-" when
    // the value is no colour.
    QTest::addColumn<QString>("read");

    // The format's own examples of hot pink in each space it names (its OKLab example lies a little outside
    // sRGB; its HSL and HWB examples give hue 330, which is #ff0080, so these use 300), and mid greys by hand
    // in the spaces whose examples are outside sRGB.
    const QList<std::pair<const char *, const char *>> examples{{"srgb", "[1, 0, 1]"},
                                                                {"srgb-linear", "[1, 0, 1]"},
                                                                {"hsl", "[300, 100, 50]"},
                                                                {"hwb", "[300, 0, 0]"},
                                                                {"lab", "[60.17, 93.54, -60.5]"},
                                                                {"lch", "[60.17, 111.4, 327.11]"},
                                                                {"oklch", "[0.7016, 0.3225, 328.363]"},
                                                                {"xyz-d65", "[0.5929, 0.2848, 0.9699]"},
                                                                {"xyz-d50", "[0.5791, 0.2831, 0.728]"}};
    for (const auto &[space, components] : examples) {
        QTest::addRow("%s", space) << QStringLiteral(
                                          "{\"colorSpace\": \"%1\", \"components\": %2, \"alpha\": 1}")
                                          .arg(QLatin1StringView(space), QLatin1StringView(components))
                                   << "#ff00ff 0 0";
    }
    QTest::newRow("oklab") << R"({"colorSpace": "oklab", "components": [0.701, 0.2746, -0.169]})"
                           << "#ff00ff 1 0";
    QTest::newRow("display-p3 grey") << R"({"colorSpace": "display-p3", "components": [0.5, 0.5, 0.5]})"
                                     << "#808080 0 0";
    QTest::newRow("a98-rgb grey") << R"({"colorSpace": "a98-rgb", "components": [0.5, 0.5, 0.5]})"
                                  << "#818181 0 0";
    QTest::newRow("prophoto-rgb grey") << R"({"colorSpace": "prophoto-rgb", "components": [0.5, 0.5, 0.5]})"
                                       << "#929292 0 0";
    QTest::newRow("rec2020 grey") << R"({"colorSpace": "rec2020", "components": [0.5, 0.5, 0.5]})"
                                  << "#8b8b8b 0 0";
    QTest::newRow("display-p3 green, outside sRGB")
        << R"({"colorSpace": "display-p3", "components": [0, 1, 0], "hex": "#00ff00"})"
        << "#00fb29 1 0";
    QTest::newRow("none: the format's white")
        << R"({"colorSpace": "hsl", "components": ["none", 0, 100], "alpha": 1, "hex": "#ffffff"})"
        << "#ffffff 0 0";
    QTest::newRow("none is 0, not a reason for the hex")
        << R"({"colorSpace": "srgb", "components": ["none", 1, 0], "hex": "#ff0000"})"
        << "#00ff00 0 0";
    QTest::newRow("the format's translucent shadow")
        << R"({"colorSpace": "srgb", "components": [0, 0, 0], "alpha": 0.5, "hex": "#000000"})"
        << "#000000 0 1";
    QTest::newRow("components count, not hex")
        << R"({"colorSpace": "srgb", "components": [0, 0, 1], "hex": "#ff0000"})"
        << "#0000ff 0 0";
    QTest::newRow("hex for an unknown space")
        << R"({"colorSpace": "cmyk", "components": [0, 0, 1], "hex": "#123456"})"
        << "#123456 0 0";
    QTest::newRow("hex for two components")
        << R"({"colorSpace": "srgb", "components": [0, 0], "hex": "#123456"})"
        << "#123456 0 0";
    QTest::newRow("hex for a word")
        << R"({"colorSpace": "srgb", "components": ["x", 0, 0], "hex": "#123456"})"
        << "#123456 0 0";
    QTest::newRow("hex for an alpha in words")
        << R"({"colorSpace": "srgb", "components": [0, 0, 0], "alpha": "half", "hex": "#123456"})"
        << "#123456 0 0";
    QTest::newRow("neither") << R"({"colorSpace": "srgb", "components": [0, 0]})"
                             << "-";
    QTest::newRow("the older string") << R"x("color(display-p3 0 1 0 / 0.5)")x"
                                      << "#00fb29 1 1";
}

// Each value as a pair's background, with a foreground that always reads.
void tst_PairFormats::readsTokenColorObjects()
{
    QFETCH(QString, value);
    QFETCH(QString, read);
    const pairimport::Imported imported =
        pairimport::read(QStringLiteral("{\"p\": {\"$type\": \"color\", \"background\": {\"$value\": %1},"
                                        " \"foreground\": {\"$value\": \"#000000\"}}}")
                             .arg(value));
    QVERIFY2(imported.ok(), qPrintable(imported.error));
    if (read == u"-") {
        QVERIFY(imported.pairs.isEmpty());
        return;
    }
    QCOMPARE(imported.pairs.size(), 1);
    QCOMPARE(QStringLiteral("#%1 %2 %3")
                 .arg(imported.pairs[0].background.rgb & 0xFFFFFFu, 6, 16, QChar(u'0'))
                 .arg(imported.mapped)
                 .arg(imported.transparent),
             read);
}

void tst_PairFormats::reports_data()
{
    QTest::addColumn<QList<int>>("counts"); // pairs, unpaired, mapped, transparent
    QTest::addColumn<QString>("report");

    QTest::newRow("nothing skipped") << QList<int>{2, 0, 0, 0} << "Imported 2 pairs.";
    QTest::newRow("one pair, three colours")
        << QList<int>{1, 3, 0, 0} << "Imported 1 pair; 3 colors had no partner.";
    QTest::newRow("no pair, one colour")
        << QList<int>{0, 1, 0, 0} << "Imported 0 pairs; 1 color had no partner.";
    QTest::newRow("mapped and transparent") << QList<int>{2, 1, 1, 2}
                                            << "Imported 2 pairs; 1 color had no partner; 1 color was mapped "
                                               "into sRGB; 2 colors had an alpha below "
                                               "1, which was dropped.";
    QTest::newRow("one transparent, two mapped") << QList<int>{1, 0, 2, 1}
                                                 << "Imported 1 pair; 2 colors were mapped into sRGB; 1 "
                                                    "color had an alpha below 1, which was dropped.";
}

void tst_PairFormats::reports()
{
    QFETCH(QList<int>, counts);
    QFETCH(QString, report);
    QCOMPARE(pairimport::report(counts[0], counts[1], counts[2], counts[3]), report);
}

QTEST_APPLESS_MAIN(tst_PairFormats)
#include "tst_pairformats.moc"
