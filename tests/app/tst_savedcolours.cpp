// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"

#include <QLineEdit>
#include <QRandomGenerator>

using Params = std::array<std::array<qint16, 4>, 2>;
Q_DECLARE_METATYPE(Params)
using Failure = qint32 FakeRegistry::*;
Q_DECLARE_METATYPE(Failure)

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";
const Params kDefaults{{{1, 64, 128, 192}, {2, 224, 224, 224}}};
const QByteArray kSavedText = "000 005 000 255 002 010 020 030 ";
const Params kSaved{{{0, 5, 0, 255}, {2, 10, 20, 30}}};

// As the store writes a text.
QByteArray terminated(const QByteArray &text)
{
    return text + '\0';
}

} // namespace

class tst_SavedColours : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void restoreReadsTheStoredText_data();
    void restoreReadsTheStoredText();
    void saveStoresTheEditedColour();
    void saveKeepsTheLastThreeCharacters();
    void saveThenRestoreKeepsEveryValue();
    void registryFaults_data();
    void registryFaults();
    void malformedTextsLeaveAUsableColour();

private:
    void store(const QByteArray &data) { f->registry.keys[kKey]["Params"] = data; }
    QByteArray stored() const { return f->registry.keys.value(kKey).value("Params"); }
    void click(const QString &name) { QTest::mouseClick(f->control(name), Qt::LeftButton); }

    std::unique_ptr<MainWindowFixture> f;
};

void tst_SavedColours::restoreReadsTheStoredText_data()
{
    QTest::addColumn<QByteArray>("data"); // null: nothing stored
    QTest::addColumn<Params>("params");

    QTest::newRow("nothing stored") << QByteArray() << kDefaults;
    QTest::newRow("saved text") << terminated(kSavedText) << kSaved;
    QTest::newRow("31 characters") << terminated("000 005 000 255 002 010 020 030") << kDefaults;
    QTest::newRow("33 characters") << terminated("000 005 000 255 002 010 020 030  ") << kDefaults;
    QTest::newRow("first field abc") << terminated("abc 005 000 255 002 010 020 030 ") << kSaved;
    QTest::newRow("separators unchecked") << terminated("0001005.000e255 002-010+020/0309") << kSaved;
    QTest::newRow("fields read as numbers; out of range kept, beyond 16 bits held")
        << terminated("007 999 -12 9e9 2.5 &HF 1e2 3.5 ") << Params{{{7, 999, -12, 32767}, {2, 15, 100, 4}}};
}

void tst_SavedColours::restoreReadsTheStoredText()
{
    QFETCH(QByteArray, data);
    QFETCH(Params, params);

    frmMain &window = f->start();
    if (!data.isNull())
        store(data);
    window.RestoreParams();
    QCOMPARE(window.ColorParams, params);
}

void tst_SavedColours::saveStoresTheEditedColour()
{
    f->start();
    f->clickOption("optRed");
    auto *base = f->control<QLineEdit>("txbBaseColor(0)");
    base->clear();
    QTest::keyClicks(base, "5");
    click("cmdApply");
    // With red as base the plane runs blue along x and green along y.
    QTest::mouseClick(f->control("picGraphic"), Qt::LeftButton, {}, QPoint(255, 0));
    click("cmdSave");
    QCOMPARE(stored(), terminated("000 005 000 255 002 224 224 224 "));
}

void tst_SavedColours::saveKeepsTheLastThreeCharacters()
{
    frmMain &window = f->start();
    window.ColorParams[1] = {2, 1000, 32767, -5};
    click("cmdSave");
    QCOMPARE(stored(), terminated("001 064 128 192 002 000 767 0-5 "));
}

void tst_SavedColours::saveThenRestoreKeepsEveryValue()
{
    frmMain &window = f->start();
    // The edited colour is taken from the window on saving, so each row is tried while the other is edited.
    for (int row : {1, 0}) {
        if (row == 0)
            f->clickOption("optForeground");
        const auto edited = window.ColorParams[1 - row];
        for (qint16 v = 0; v <= 999; ++v) {
            window.ColorParams[row] = {v, v, v, v};
            window.SaveParams();
            window.ColorParams[row] = {};
            window.RestoreParams();
            QCOMPARE(window.ColorParams[row], (std::array<qint16, 4>{v, v, v, v}));
            QCOMPARE(window.ColorParams[1 - row], edited);
        }
    }
}

void tst_SavedColours::registryFaults_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<int>("edited");       // 0 background, 1 foreground
    QTest::addColumn<QByteArray>("saved"); // what is stored after a pick and Save
    QTest::addColumn<Params>("restored");

    // The pick at (100, 50) sets blue 100 and green 50 on the background (red base), green 100 and red 50
    // on the foreground (blue base).
    QTest::newRow("key cannot be created") << &FakeRegistry::createFailure << 0 << kSavedText << kSaved;
    QTest::newRow("value cannot be written") << &FakeRegistry::writeFailure << 1 << kSavedText << kSaved;
    QTest::newRow("key cannot be opened")
        << &FakeRegistry::openFailure << 0 << QByteArray("000 005 050 100 002 010 020 030 ") << kDefaults;
    QTest::newRow("value cannot be read")
        << &FakeRegistry::readFailure << 1 << QByteArray("000 005 000 255 002 050 100 030 ") << kDefaults;
}

void tst_SavedColours::registryFaults()
{
    QFETCH(Failure, failure);
    QFETCH(int, edited);
    QFETCH(QByteArray, saved);
    QFETCH(Params, restored);

    store(terminated(kSavedText));
    frmMain &window = f->start();
    f->registry.*failure = platform::kErrorAccessDenied;
    f->clickOption(edited ? "optForeground" : "optBackground");
    QTest::mouseClick(f->control("picGraphic"), Qt::LeftButton, {}, QPoint(100, 50));
    click("cmdSave");
    QCOMPARE(stored(), terminated(saved));
    // Restore brings back the colour being edited.
    click("cmdRestore");
    QCOMPARE(window.ColorParams, restored);
    const auto &shown = restored[edited];
    QCOMPARE(f->channels(),
             (QStringList{QString::number(shown[1]), QString::number(shown[2]), QString::number(shown[3])}));
    QVERIFY(f->messages.messages.isEmpty());
}

void tst_SavedColours::malformedTextsLeaveAUsableColour()
{
    frmMain &window = f->start();
    QRandomGenerator random(20240611);
    const QByteArray numeric = QByteArrayLiteral("0123456789 -+.eEdD&HhOo\t\r\n\0");
    for (int length = 0; length <= 40; ++length) {
        for (int sample = 0; sample < 12; ++sample) {
            // Half of the texts are any bytes, half are drawn from what numbers are made of.
            QByteArray data(length, '\0');
            for (char &c : data)
                c = sample % 2 ? char(random.bounded(256)) : numeric.at(random.bounded(int(numeric.size())));
            store(data);
            if (sample % 5 == 4)
                f->clickOption(window.editedColor() == 0 ? "optForeground" : "optBackground");
            click("cmdRestore");
            const auto &row = window.ColorParams[window.editedColor()];
            for (int item = 1; item <= 3; ++item)
                QVERIFY2(row[item] >= 0 && row[item] <= 255, data.toHex().constData());
            for (const QString &text : f->channels())
                QVERIFY2(text.toInt() >= 0 && text.toInt() <= 255 && text == QString::number(text.toInt()),
                         data.toHex().constData());
        }
    }
}

QTEST_MAIN(tst_SavedColours)
#include "tst_savedcolours.moc"
