// SPDX-License-Identifier: MIT
#include "forms/formtemplate.h"
#include "forms/templatestore.h"

#include <QTest>

namespace {

// The colour a template is written for, and a background and foreground unlike it.
constexpr QRgb kCurrent = qRgb(64, 128, 192);
constexpr QRgb kBackground = qRgb(1, 2, 3);
constexpr QRgb kForeground = qRgb(255, 254, 0);

} // namespace

class tst_Templates : public QObject
{
    Q_OBJECT

private slots:
    void renders_data();
    void renders();
    void rejects_data();
    void rejects();
    void namesPair_data();
    void namesPair();
    void storedText();
    void readsStoredText_data();
    void readsStoredText();
};

void tst_Templates::renders_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("channels") << "{r} {g} {b}"
                              << "64 128 192";
    QTest::newRow("hex channels") << "{R}{G}{B}"
                                  << "4080C0";
    QTest::newRow("hex codes") << "{hex}/{HEX}"
                               << "#4080c0/#4080C0";
    QTest::newRow("fractions, three places") << "{rf} {gf} {bf}"
                                             << "0.251 0.502 0.753";
    QTest::newRow("fractions, chosen places") << "{rf:0} {gf:1} {bf:6}"
                                              << "0 0.5 0.752941";
    QTest::newRow("packed value") << "{decimal}"
                                  << "12615744";
    QTest::newRow("the pair") << "{bg.hex} on {fg.HEX}"
                              << "#010203 on #FFFE00";
    QTest::newRow("pair channels and places") << "{bg.r},{fg.b},{fg.rf:2}"
                                              << "1,0,1.00";
    QTest::newRow("braces") << "{{r}} {{{r}}}"
                            << "{r} {64}";
    QTest::newRow("closing before opening") << "}}{{"
                                            << "}{";
    QTest::newRow("no placeholders") << "Color.Red"
                                     << "Color.Red";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_Templates::renders()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    const formtemplate::Parsed parsed = formtemplate::parse(pattern);
    QVERIFY2(parsed.ok(), qPrintable(parsed.message()));
    QCOMPARE(formtemplate::render(parsed.value, kCurrent, kBackground, kForeground), text);
}

void tst_Templates::rejects_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("message");

    const QString unclosed = QStringLiteral("The { at character %1 is not closed (write {{ for a brace)");
    const QString stray = QStringLiteral("The } at character %1 closes nothing (write }} for a brace)");
    const QString decimals = QStringLiteral("Wrong decimals in {%1}: only rf, gf and bf take them, 0 to 6");
    QTest::newRow("not closed") << "{r" << unclosed.arg(1);
    QTest::newRow("opened again before closing") << "a{r{g}" << unclosed.arg(2);
    QTest::newRow("stray closing brace") << "r}" << stray.arg(2);
    QTest::newRow("stray after a placeholder") << "{hex}}" << stray.arg(6);
    for (const char *name : {"red", "", "bg.", "BG.r", " r ", "xy.r", "bg.fg.r", "Hex"})
        QTest::addRow("unknown {%s}", name)
            << QStringLiteral("x{%1}").arg(name) << QStringLiteral("Unknown placeholder {%1}").arg(name);
    for (const char *name : {"r:2", "rf:7", "rf:", "rf:12", "rf:x", "hex:1"})
        QTest::addRow("decimals {%s}", name) << QStringLiteral("{%1}").arg(name) << decimals.arg(name);
    QTest::newRow("a line end shown") << "{a\nb}" << QStringLiteral("Unknown placeholder {a\u240Ab}");
    QTest::newRow("a direction override shown")
        << QStringLiteral("{rf:\u202Ex}") << decimals.arg(QStringLiteral("rf:<U+202E>x"));
    QTest::newRow("a long name cut")
        << "{" + QString(50, u'x') + "}"
        << QStringLiteral("Unknown placeholder {%1\u2026}").arg(QString(40, u'x'));
}

void tst_Templates::rejects()
{
    QFETCH(QString, pattern);
    QFETCH(QString, message);
    const formtemplate::Parsed parsed = formtemplate::parse(pattern);
    QVERIFY(!parsed.ok());
    QCOMPARE(parsed.message(), message);
}

void tst_Templates::namesPair_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("pair");
    QTest::newRow("current colour only") << "{r} {hex}" << false;
    QTest::newRow("background") << "{r} {bg.r}" << true;
    QTest::newRow("foreground") << "{fg.hex}" << true;
    QTest::newRow("escaped braces name nothing") << "{{bg.r}}" << false;
}

void tst_Templates::namesPair()
{
    QFETCH(QString, pattern);
    QFETCH(bool, pair);
    QCOMPARE(formtemplate::parse(pattern).value.namesPair(), pair);
}

// Plain ASCII, one template a line, whatever the templates hold; read back as they were.
void tst_Templates::storedText()
{
    const QStringList templates = {
        "{r}",        "a\\b", QStringLiteral("\u00B0{hex}"), "tab\there", QStringLiteral("\U0001F600"),
        "line\nbreak"};
    const std::string text = templatestore::write(templates);
    QCOMPARE(text,
             std::string("{r}\na\\u005cb\n\\u00b0{hex}\ntab\\u0009here\n\\ud83d\\ude00\nline\\u000abreak\n"));
    QCOMPARE(templatestore::read(text), templates);
    QCOMPARE(templatestore::write({}), std::string());
}

void tst_Templates::readsStoredText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("templates");

    QTest::newRow("nothing") << QByteArray() << QStringList{};
    QTest::newRow("empty lines skipped") << QByteArray("\n\n{r}\n\n") << QStringList{"{r}"};
    QTest::newRow("CR LF and no last line end") << QByteArray("{r}\r\n{g}") << QStringList{"{r}", "{g}"};
    QTest::newRow("upper-case escape") << QByteArray("\\u00B0") << QStringList{QStringLiteral("\u00B0")};
    QTest::newRow("UTF-8 written by hand")
        << QByteArray("\xC2\xB0{r}") << QStringList{QStringLiteral("\u00B0{r}")};
    QTest::newRow("short escape drops its line") << QByteArray("bad\\u12\n{r}") << QStringList{"{r}"};
    QTest::newRow("escape at the end") << QByteArray("{r}\nbad\\u00") << QStringList{"{r}"};
    QTest::newRow("other escape") << QByteArray("bad\\x0041\n{g}") << QStringList{"{g}"};
    QTest::newRow("signed escape") << QByteArray("bad\\u+041\n{g}") << QStringList{"{g}"};
    QTest::newRow("longest kept") << QByteArray(500, 'x') << QStringList{QString(500, u'x')};
    QTest::newRow("too long dropped") << QByteArray(501, 'x') + "\n{b}" << QStringList{"{b}"};
    QByteArray many;
    QStringList first50;
    for (int i = 0; i < 51; ++i) {
        many += QByteArray::number(i) + '\n';
        if (i < 50)
            first50.append(QString::number(i));
    }
    QTest::newRow("at most 50") << many << first50;
}

void tst_Templates::readsStoredText()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, templates);
    QCOMPARE(templatestore::read(text.toStdString()), templates);
}

QTEST_APPLESS_MAIN(tst_Templates)
#include "tst_templates.moc"
