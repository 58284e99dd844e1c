// SPDX-License-Identifier: MIT
#include "pairs/checkcommand.h"
#include "pairs/paircheck.h"
#include "pairs/pairmatrix.h"
#include "pairs/pairstore.h"
#include "support/fakeregistry.h"

#include <QTemporaryDir>
#include <QTest>

// FIFOs are Unix's.
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using paircheck::Format;
using paircheck::Level;

Q_DECLARE_METATYPE(paircheck::Format)
Q_DECLARE_METATYPE(paircheck::Level)

namespace {

NamedPair pair(const QString &name, QRgb background, QRgb foreground)
{
    return {name, {background, 1}, {foreground, 2}};
}

// Ratios known to the hundredth from the contrast tests: 4.499964, 4.500003, 2.999995 and 7.000011.
const NamedPairs kPairs{pair("Body | text", 0xFFFFFFu, 0xA06866u), pair("Links", 0x000000u, 0x647499u)};

} // namespace

// The verdicts of a check, its tables and its exit codes.
class tst_PairCheck : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void reports_data();
    void reports();
    void matrix_data();
    void matrix();
    void exitCodes_data();
    void exitCodes();
};

void tst_PairCheck::verdicts_data()
{
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<bool>("large");
    QTest::addColumn<QString>("expected"); // ratio, AA, AAA

    QTest::newRow("4.499964, normal") << 0xFFFFFFu << 0xA06866u << false << "4.49 fail fail";
    QTest::newRow("4.499964, large") << 0xFFFFFFu << 0xA06866u << true << "4.49 pass fail";
    QTest::newRow("4.500003, normal") << 0x000000u << 0x647499u << false << "4.50 pass fail";
    QTest::newRow("4.500003, large") << 0x000000u << 0x647499u << true << "4.50 pass pass";
    QTest::newRow("2.999995, large") << 0xFFFFFFu << 0xB178FFu << true << "2.99 fail fail";
    QTest::newRow("7.000011, normal") << 0xB178FFu << 0x000000u << false << "7.00 pass pass";
    QTest::newRow("6.999995, normal") << 0xFA34FFu << 0x000000u << false << "6.99 pass fail";
}

void tst_PairCheck::verdicts()
{
    QFETCH(QRgb, background);
    QFETCH(QRgb, foreground);
    QFETCH(bool, large);
    QFETCH(QString, expected);
    const paircheck::Checked c = paircheck::check(pair("p", background, foreground), large);
    const auto word = [](bool pass) { return pass ? QStringLiteral("pass") : QStringLiteral("fail"); };
    QCOMPARE(c.ratio + u' ' + word(c.aa) + u' ' + word(c.aaa), expected);
}

void tst_PairCheck::reports_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<bool>("large");
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("report");

    QTest::newRow("text, AA") << Level::AA << false << Format::Text
                              << "Pair         Background  Foreground  Ratio  AA    AAA\n"
                                 "Body | text  #ffffff     #a06866     4.49   fail  fail\n"
                                 "Links        #000000     #647499     4.50   pass  fail\n"
                                 "1 of 2 pairs fails AA for normal text.\n";
    QTest::newRow("markdown, AA large") << Level::AA << true << Format::Markdown
                                        << "| Pair | Background | Foreground | Ratio | AA | AAA |\n"
                                           "| --- | --- | --- | --- | --- | --- |\n"
                                           "| Body \\| text | #ffffff | #a06866 | 4.49 | pass | fail |\n"
                                           "| Links | #000000 | #647499 | 4.50 | pass | pass |\n"
                                           "\n"
                                           "All 2 pairs pass AA for large text.\n";
    QTest::newRow("json, AAA large")
        << Level::AAA << true << Format::Json
        << "{\n  \"level\": \"AAA\",\n  \"size\": \"large\",\n  \"threshold\": 4.5,\n  \"pairs\": [\n"
           "    {\"name\": \"Body | text\", \"background\": \"#ffffff\", \"foreground\": \"#a06866\", "
           "\"ratio\": 4.49, "
           "\"AA\": true, \"AAA\": false, \"passes\": false},\n"
           "    {\"name\": \"Links\", \"background\": \"#000000\", \"foreground\": \"#647499\", \"ratio\": "
           "4.5, "
           "\"AA\": true, \"AAA\": true, \"passes\": true}\n  ],\n  \"failing\": 1\n}\n";
}

void tst_PairCheck::reports()
{
    QFETCH(Level, level);
    QFETCH(bool, large);
    QFETCH(Format, format);
    QFETCH(QString, report);
    QList<paircheck::Checked> checked;
    for (const NamedPair &p : kPairs)
        checked << paircheck::check(p, large);
    QCOMPARE(paircheck::report(checked, level, large, format), report);
}

void tst_PairCheck::matrix_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("report");

    // A third pair repeats a background and a foreground: each is one row or column, in the order it first
    // comes, and every foreground meets every background (4.67:1 and 4.67:1 across).
    QTest::newRow("text") << Format::Text
                          << "Foreground \\ background  #ffffff    #000000\n"
                             "#a06866                  4.49 fail  4.66 pass\n"
                             "#647499                  4.66 pass  4.50 pass\n"
                             "1 of 3 pairs fails AA for normal text.\n";
    QTest::newRow("markdown") << Format::Markdown
                              << "| Foreground \\\\ background | #ffffff | #000000 |\n"
                                 "| --- | --- | --- |\n"
                                 "| #a06866 | 4.49 fail | 4.66 pass |\n"
                                 "| #647499 | 4.66 pass | 4.50 pass |\n"
                                 "\n"
                                 "1 of 3 pairs fails AA for normal text.\n";
    QTest::newRow("csv, nothing but the table") << Format::Csv
                                                << "Foreground \\ background,#ffffff,#000000\n"
                                                   "#a06866,4.49 fail,4.66 pass\n"
                                                   "#647499,4.66 pass,4.50 pass\n";
}

void tst_PairCheck::matrix()
{
    QFETCH(Format, format);
    QFETCH(QString, report);
    const NamedPairs pairs = kPairs + NamedPairs{pair("Again", 0xFFFFFFu, 0x647499u)};
    QList<paircheck::Checked> checked;
    for (const NamedPair &p : pairs)
        checked << paircheck::check(p, false);
    QCOMPARE(pairmatrix::report(pairs, checked, Level::AA, false, format), report);
    // A value with a comma or a quote is quoted for the clipboard's CSV.
    QCOMPARE(pairmatrix::csv({{"a,b", "say \"hi\""}, {}}, "\r\n"),
             QStringLiteral("\"a,b\",\"say \"\"hi\"\"\"\r\n"));
}

void tst_PairCheck::exitCodes_data()
{
    QTest::addColumn<QString>("file"); // the file's text; "(stored)" checks the stored list instead
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said"); // the first line of standard output, or standard error

    const QString passing = ":root { --a-bg: #fff; --a-fg: #000; }";
    const QString failingAaa = ":root { --a-bg: #000; --a-fg: #647499; --b-bg: #fff; --b-fg: #000; }";
    QTest::newRow("all pass") << passing << QStringList{} << 0
                              << "Pair  Background  Foreground  Ratio  AA    AAA";
    QTest::newRow("one fails AAA") << failingAaa << QStringList{"AAA"} << 1
                                   << "Pair  Background  Foreground  Ratio  AA    AAA";
    QTest::newRow("AA passes it") << failingAaa << QStringList{} << 0
                                  << "Pair  Background  Foreground  Ratio  AA    AAA";
    QTest::newRow("large passes it") << failingAaa << QStringList{"AAA", "large"} << 0
                                     << "Pair  Background  Foreground  Ratio  AA    AAA";
    QTest::newRow("the stored list") << "(stored)" << QStringList{"AAA"} << 1
                                     << "Pair         Background  Foreground  Ratio  AA    AAA";
    QTest::newRow("design tokens of 2025.10")
        << R"({"a": {"$type": "color", "background": {"$value": {"colorSpace": "srgb", "components": [1, 1, 1]}},
              "foreground": {"$value": {"colorSpace": "oklch", "components": [0, 0, 0], "alpha": 0.5}}}})"
        << QStringList{} << 0 << "Pair  Background  Foreground  Ratio  AA    AAA";
    QTest::newRow("malformed") << ":root { --a-bg: #fff" << QStringList{} << 2
                               << "check.css: not valid CSS: a '{' is not closed at line 1";
    QTest::newRow("no pair in it") << ":root { --a: #fff; }" << QStringList{} << 2
                                   << "check.css: no pairs; 1 color had no partner";
    QTest::newRow("missing") << "(missing)" << QStringList{} << 2 << "check.css: no such file";
#ifdef Q_OS_UNIX
    QTest::newRow("a FIFO") << "(fifo)" << QStringList{} << 2 << "check.css: not a regular file";
#endif
    QTest::newRow("two files") << passing << QStringList{"again"} << 2 << "unexpected argument";
}

void tst_PairCheck::exitCodes()
{
    QFETCH(QString, file);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, said);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("check.css"));
    if (file == u"(fifo)") {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    } else if (file != u"(missing)" && file != u"(stored)") {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.toUtf8());
    }
    FakeRegistry registry;
    Settings settings(&registry);
    QVERIFY(pairstore::save(settings, kPairs).starts_with('0'));
    QStringList files;
    if (file != u"(stored)")
        files << path;
    if (options.contains(u"again"))
        files << path;
    checkcommand::Options chosen;
    chosen.level = options.contains(u"AAA") ? Level::AAA : Level::AA;
    chosen.large = options.contains(u"large");

    const checkcommand::Outcome outcome = checkcommand::run(QStringLiteral("qcp"), &registry, files, chosen);
    QCOMPARE(outcome.exitCode, exitCode);
    if (exitCode == 2) {
        QVERIFY(outcome.standardOutput.isEmpty());
        QVERIFY2(outcome.standardError.startsWith(u"qcp: ") && outcome.standardError.contains(said) &&
                     outcome.standardError.count(u'\n') == 1,
                 qPrintable(outcome.standardError));
    } else {
        QCOMPARE(outcome.standardOutput.section(u'\n', 0, 0), said);
    }
}

QTEST_GUILESS_MAIN(tst_PairCheck)
#include "tst_paircheck.moc"
