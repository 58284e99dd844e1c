#include "platform/captionlabel.h"
#include "support/fakeregistry.h"
#include "support/mainwindowfixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

using Params = std::array<std::array<qint16, 4>, 2>;
Q_DECLARE_METATYPE(Params)

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";
const Params kDefaults{{{1, 64, 128, 192}, {2, 224, 224, 224}}};

QByteArray terminated(const QByteArray &text)
{
    return text + '\0';
}

} // namespace

class tst_SavedColours : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        registry = std::make_unique<FakeRegistry>();
        f = std::make_unique<MainWindowFixture>();
    }
    void cleanup() { f.reset(); }

    void restoreReadsTheStoredText_data();
    void restoreReadsTheStoredText();
    void startShowsTheSavedBackground();
    void saveStoresTheEditedColour();
    void storedFields_data();
    void storedFields();
    void saveThenRestoreKeepsEveryValue();
    void registryFaults_data();
    void registryFaults();
    void malformedTextsLeaveAUsableColour();

private:
    frmMain &start()
    {
        Services services = f->services();
        services.registry = registry.get();
        f->window = std::make_unique<frmMain>(services);
        f->window->Form_Load();
        return *f->window;
    }
    void store(const QByteArray &data) { registry->keys[kKey]["Params"] = data; }
    QByteArray stored() const { return registry->keys.value(kKey).value("Params"); }
    void click(const QString &name) { QTest::mouseClick(f->control(name), Qt::LeftButton); }
    void clickOption(const QString &name)
    {
        auto *option = f->control<QRadioButton>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    QStringList channels() const
    {
        QStringList values;
        for (const char *name : {"lblRedDecimal", "lblGreenDecimal", "lblBlueDecimal"})
            values << f->control<CaptionLabel>(QString::fromLatin1(name))->caption();
        return values;
    }

    std::unique_ptr<FakeRegistry> registry;
    std::unique_ptr<MainWindowFixture> f;
};

void tst_SavedColours::restoreReadsTheStoredText_data()
{
    QTest::addColumn<QByteArray>("data"); // null: nothing stored
    QTest::addColumn<Params>("params");

    QTest::newRow("nothing stored") << QByteArray() << kDefaults;
    QTest::newRow("saved text") << terminated("000 005 000 255 002 010 020 030 ")
                                << Params{{{0, 5, 0, 255}, {2, 10, 20, 30}}};
    QTest::newRow("no terminator") << QByteArray("000 005 000 255 002 010 020 030 ")
                                   << Params{{{0, 5, 0, 255}, {2, 10, 20, 30}}};
    QTest::newRow("CR LF after the text") << QByteArray("000 005 000 255 002 010 020 030 \r\n")
                                          << Params{{{0, 5, 0, 255}, {2, 10, 20, 30}}};
    QTest::newRow("31 characters") << terminated("000 005 000 255 002 010 020 030") << kDefaults;
    QTest::newRow("33 characters") << terminated("000 005 000 255 002 010 020 030  ") << kDefaults;
    QTest::newRow("empty text") << terminated("") << kDefaults;
    QTest::newRow("first field abc") << terminated("abc 005 000 255 002 010 020 030 ")
                                     << Params{{{0, 5, 0, 255}, {2, 10, 20, 30}}};
    QTest::newRow("separators unchecked") << terminated("000x005y000z255w002-010+020/030!")
                                          << Params{{{0, 5, 0, 255}, {2, 10, 20, 30}}};
    QTest::newRow("out of range kept") << terminated("007 999 -12 300 009 256 -99 000 ")
                                       << Params{{{7, 999, -12, 300}, {9, 256, -99, 0}}};
    QTest::newRow("leading number of a field") << terminated("1x1 2-3 4.4 .5e 1 2 &HF 1e2 +7  ")
                                               << Params{{{1, 2, 4, 0}, {12, 15, 100, 7}}};
    QTest::newRow("halves to even") << terminated("0.5 1.5 2.5 3.5 4.5 -.5 -1. 9.5 ")
                                    << Params{{{0, 2, 2, 4}, {4, 0, -1, 10}}};
    QTest::newRow("exponent beyond 16 bits is held") << terminated("9e9 -9e 9e4 001 002 003 004 005 ")
                                                     << Params{{{32767, -9, 32767, 1}, {2, 3, 4, 5}}};
}

void tst_SavedColours::restoreReadsTheStoredText()
{
    QFETCH(QByteArray, data);
    QFETCH(Params, params);

    frmMain &window = start();
    if (!data.isNull())
        store(data);
    window.RestoreParams();
    QCOMPARE(window.ColorParams, params);
    QVERIFY(f->messages.messages.isEmpty());
}

void tst_SavedColours::startShowsTheSavedBackground()
{
    store(terminated("000 005 000 255 002 010 020 030 "));
    start();
    QVERIFY(f->control<QRadioButton>("optBackground")->isChecked());
    QVERIFY(f->control<QRadioButton>("optRed")->isChecked());
    QCOMPARE(channels(), (QStringList{"5", "0", "255"}));
    clickOption("optForeground");
    QVERIFY(f->control<QRadioButton>("optBlue")->isChecked());
    QCOMPARE(channels(), (QStringList{"10", "20", "30"}));
}

void tst_SavedColours::saveStoresTheEditedColour()
{
    start();
    clickOption("optRed");
    f->control<QLineEdit>("txbBaseColor(0)")->clear();
    QTest::keyClicks(f->control<QLineEdit>("txbBaseColor(0)"), "5");
    click("cmdApply");
    // With red as base the plane runs blue along x and green along y.
    QTest::mouseClick(f->control("picGraphic"), Qt::LeftButton, {}, QPoint(255, 0));
    QCOMPARE(channels(), (QStringList{"5", "0", "255"}));
    click("cmdSave");
    QCOMPARE(stored(), terminated("000 005 000 255 002 224 224 224 "));
    QVERIFY(f->messages.messages.isEmpty());
}

void tst_SavedColours::storedFields_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("zero") << 0 << QByteArray("000");
    QTest::newRow("one digit") << 7 << QByteArray("007");
    QTest::newRow("two digits") << 42 << QByteArray("042");
    QTest::newRow("largest kept whole") << 999 << QByteArray("999");
    QTest::newRow("1000 keeps its last three digits") << 1000 << QByteArray("000");
    QTest::newRow("largest 16-bit value") << 32767 << QByteArray("767");
    QTest::newRow("negative") << -5 << QByteArray("0-5");
}

void tst_SavedColours::storedFields()
{
    QFETCH(int, value);
    QFETCH(QByteArray, field);

    frmMain &window = start();
    window.ColorParams[1] = {2, qint16(value), 224, 224};
    click("cmdSave");
    QCOMPARE(stored(), terminated("001 064 128 192 002 " + field + " 224 224 "));
}

void tst_SavedColours::saveThenRestoreKeepsEveryValue()
{
    frmMain &window = start();
    // The edited colour is taken from the window on saving, so each row is tried while the other is edited.
    for (int row : {1, 0}) {
        if (row == 0)
            clickOption("optForeground");
        const auto edited = window.ColorParams[1 - row];
        for (int v = 0; v <= 999; ++v) {
            const auto value = qint16(v);
            window.ColorParams[row] = {value, value, value, value};
            window.SaveParams();
            window.ColorParams[row] = {};
            window.RestoreParams();
            QCOMPARE(window.ColorParams[row], (std::array<qint16, 4>{value, value, value, value}));
            QCOMPARE(window.ColorParams[1 - row], edited);
        }
    }
}

void tst_SavedColours::registryFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Params>("restored");

    const Params earlier{{{0, 5, 0, 255}, {2, 10, 20, 30}}};
    QTest::newRow("key cannot be created") << "create" << earlier;
    QTest::newRow("value cannot be written") << "write" << earlier;
    QTest::newRow("key cannot be opened") << "open" << kDefaults;
    QTest::newRow("value cannot be read") << "read" << kDefaults;
}

void tst_SavedColours::registryFaults()
{
    QFETCH(QString, fault);
    QFETCH(Params, restored);

    const QByteArray earlier = terminated("000 005 000 255 002 010 020 030 ");
    store(earlier);
    frmMain &window = start();
    (fault == "create" ? registry->createFailure
     : fault == "write" ? registry->writeFailure
     : fault == "open"  ? registry->openFailure
                        : registry->readFailure) = 5;

    QTest::mouseClick(f->control("picGraphic"), Qt::LeftButton, {}, QPoint(100, 50));
    click("cmdSave");
    QCOMPARE(registry->createCalls, 1);
    QCOMPARE(stored(), fault == "create" || fault == "write" ? earlier : terminated(
        "000 005 050 100 002 010 020 030 "));
    QCOMPARE(registry->openKeyCount(), 0);

    click("cmdRestore");
    QCOMPARE(window.ColorParams[1], restored[1]);
    QCOMPARE(channels(), (QStringList{QString::number(restored[0][1]), QString::number(restored[0][2]),
                                      QString::number(restored[0][3])}));
    QVERIFY(f->messages.messages.isEmpty());
    QCOMPARE(registry->openKeyCount(), 0);
}

void tst_SavedColours::malformedTextsLeaveAUsableColour()
{
    frmMain &window = start();
    QRandomGenerator random(20240611);
    const QByteArray numeric = QByteArrayLiteral("0123456789 -+.eEdD&HhOo\t\r\n\0");
    int tried = 0;
    for (int length = 0; length <= 40; ++length) {
        for (int sample = 0; sample < 12; ++sample) {
            // Half of the texts are any bytes, half are drawn from what numbers are made of.
            QByteArray data(length, '\0');
            for (char &c : data)
                c = sample % 2 ? char(random.bounded(256)) : numeric.at(random.bounded(int(numeric.size())));
            store(data);
            if (sample % 5 == 4)
                clickOption(window.editedColor() == 0 ? "optForeground" : "optBackground");
            click("cmdRestore");
            const auto &row = window.ColorParams[window.editedColor()];
            for (int item = 1; item <= 3; ++item)
                QVERIFY2(row[item] >= 0 && row[item] <= 255, data.toHex().constData());
            for (const QString &text : channels())
                QVERIFY2(text.toInt() >= 0 && text.toInt() <= 255 && text == QString::number(text.toInt()),
                         data.toHex().constData());
            ++tried;
        }
    }
    QCOMPARE(tried, 41 * 12);
}

QTEST_MAIN(tst_SavedColours)
#include "tst_savedcolours.moc"
