// SPDX-License-Identifier: MIT
#include "app/commandline.h"
#include "platform/localnames.h"

#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void outcome_data();
    void outcome();
    void checkOptions_data();
    void checkOptions();
    void sessionPlatform_data();
    void sessionPlatform();
    void argumentsOfAnyBytes();
};

void tst_CommandLine::outcome_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("none") << QStringList{} << false << 0;
    QTest::newRow("Qt platform option with value") << QStringList{"-platform", "xcb"} << false << 0;
    QTest::newRow("Qt style option with =") << QStringList{"-style=fusion", "-reverse"} << false << 0;
    QTest::newRow("Qt option missing its value") << QStringList{"-platform"} << true << 2;
    QTest::newRow("short version") << QStringList{"-v"} << true << 0;
    QTest::newRow("help wins over version") << QStringList{"--version", "-h"} << true << 0;
    QTest::newRow("stray file name") << QStringList{"colours.txt"} << true << 2;
    QTest::newRow("unknown after a good one") << QStringList{"--version", "--bogus"} << true << 2;
    QTest::newRow("convert") << QStringList{"--convert", "hex", "red"} << true << 0;
    QTest::newRow("convert after a Qt option")
        << QStringList{"-style", "fusion", "--convert", "rgb", "red"} << true << 0;
    QTest::newRow("convert without its form") << QStringList{"--convert"} << true << 2;
    QTest::newRow("contrast") << QStringList{"--contrast", "white", "navy"} << true << 0;
    QTest::newRow("contrast of one color") << QStringList{"--contrast", "white"} << true << 2;
    QTest::newRow("check of a missing file")
        << QStringList{"--check-pairs", "/nonexistent/pairs.css"} << true << 2;
}

void tst_CommandLine::outcome()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, finished);
    QFETCH(int, exitCode);

    const CommandLineOutcome outcome =
        parseCommandLine(QStringList{"/usr/bin/quenby-color-picker"} + arguments);
    QCOMPARE(outcome.finished, finished);
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.standardError.isEmpty(), exitCode == 0);
    QCOMPARE(outcome.standardOutput.isEmpty(), !finished || exitCode != 0);
}

// The check's own options, each refused with its reason before any file is read.
void tst_CommandLine::checkOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown level") << QStringList{"--check-pairs", "--level", "A", "/nonexistent/pairs.css"}
                                   << "Unknown level 'A' (AA or AAA).";
    QTest::newRow("unknown format") << QStringList{"--check-pairs", "--format", "xml", "/nonexistent/p.css"}
                                    << "Unknown format 'xml' (text, json, markdown or csv).";
    QTest::newRow("a matrix in json") << QStringList{"--check-pairs", "--matrix", "--format", "json"}
                                      << "--matrix prints text, markdown or csv.";
    QTest::newRow("a list in csv") << QStringList{"--check-pairs", "--format", "csv"}
                                   << "--format csv goes with --matrix.";
    QTest::newRow("level without check") << QStringList{"--large", "--contrast", "white", "navy"}
                                         << "--level, --large, --format and --matrix go with --check-pairs.";
    QTest::newRow("a level twice") << QStringList{"--check-pairs", "--level", "AA", "--level", "AAA"}
                                   << "Give each option once.";
    QTest::newRow("two commands") << QStringList{"--contrast", "white", "navy", "--check-pairs"}
                                  << "Give one of --convert, --export-pairs, --import-pairs, --contrast and "
                                     "--check-pairs at a time.";
}

void tst_CommandLine::checkOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CommandLineOutcome outcome = parseCommandLine(QStringList{"/usr/bin/qcp"} + arguments);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.standardError,
             QStringLiteral("qcp: %1 Try 'qcp --help' for more information.\n").arg(message));
}

void tst_CommandLine::sessionPlatform_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("platform");

    QTest::newRow("X11 only") << QStringList{"DISPLAY=:0"} << QString();
    QTest::newRow("Wayland only") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QString();
    QTest::newRow("Wayland with XWayland") << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"} << "xcb";
    QTest::newRow("Wayland with an empty DISPLAY")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY="} << QString();
    QTest::newRow("user chose a platform")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"} << QString();
}

void tst_CommandLine::sessionPlatform()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, platform);

    QProcessEnvironment environment(QProcessEnvironment::InheritFromParent);
    environment.clear();
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QCOMPARE(::sessionPlatform(environment), platform);
}

// Arguments are file names of any bytes: valid UTF-8 reads as text, every other byte comes back as itself.
void tst_CommandLine::argumentsOfAnyBytes()
{
    // Windows' code pages make every byte some character; there the arguments come from the wide
    // command line.
    if (QString(QChar(0xE9)).toLocal8Bit() == "\xc3\xa9") {
        QCOMPARE(localnames::decode("caf\xc3\xa9 \xf0\x9f\x8e\xa8"),
                 QString::fromUtf8("caf\xc3\xa9 \xf0\x9f\x8e\xa8"));
        QCOMPARE(localnames::decode("a\xff"), QStringLiteral("a\xdcff"));
    }
    const QByteArray alphabet("A\x80\xbf\xc0\xc3\xa9\xe2\xed\xa0\xf0\xf4\x9f\xff");
    QList<QByteArray> names{{}};
    for (int length = 0; length < 4; ++length) {
        QList<QByteArray> longer;
        for (const QByteArray &name : names) {
            for (const char byte : alphabet) {
                longer << name + byte;
                QCOMPARE(localnames::encode(localnames::decode(longer.last())), longer.last());
            }
        }
        names = longer;
    }
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
