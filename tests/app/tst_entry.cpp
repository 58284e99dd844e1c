// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

class tst_Entry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->start();
    }
    void cleanup() { f.reset(); }

    void typingMirrorsTheOtherBox_data();
    void typingMirrorsTheOtherBox();
    void emptyingEitherBoxEmptiesTheOther_data();
    void emptyingEitherBoxEmptiesTheOther();
    void applyingRefusesWhatIsNotADigitString_data();
    void applyingRefusesWhatIsNotADigitString();
    void applyingADigitString_data();
    void applyingADigitString();
    void enterInTheHexBoxAppliesTheDecimalBox();
    void showColorValuesFillsReadoutsAndBoxes();
    void everyShortStringIsHandledSafely();

private:
    QLineEdit *box(int i) const { return f->control<QLineEdit>(QStringLiteral("txbBaseColor(%1)").arg(i)); }
    void type(int index, const QString &text)
    {
        box(index)->clear();
        QTest::keyClicks(box(index), text);
    }
    std::unique_ptr<MainWindowFixture> f;
};

void tst_Entry::typingMirrorsTheOtherBox_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");

    QTest::newRow("hex ff") << 1 << "ff"
                            << "255"
                            << "FF";
    QTest::newRow("hex G") << 1 << "G"
                           << "0"
                           << "G";
    QTest::newRow("hex 1G") << 1 << "1g"
                            << "1"
                            << "1G";
    QTest::newRow("hex FFF") << 1 << "FFF"
                             << "4095"
                             << "FFF";
    QTest::newRow("hex with blanks") << 1 << " a "
                                     << "10"
                                     << "A";
    QTest::newRow("decimal 1.6") << 0 << "1.6"
                                 << "1.6"
                                 << "2";
    QTest::newRow("decimal 2.5 half to even") << 0 << "2.5"
                                              << "2.5"
                                              << "2";
    QTest::newRow("decimal 3.5 half to even") << 0 << "3.5"
                                              << "3.5"
                                              << "4";
    QTest::newRow("decimal 1a") << 0 << "1a"
                                << "1a"
                                << "1";
    QTest::newRow("decimal leading blank") << 0 << " 42"
                                           << "42"
                                           << "2A";
    QTest::newRow("decimal -1") << 0 << "-1"
                                << "-1"
                                << "FFFFFFFF";
    QTest::newRow("decimal 9e9 has no hex form") << 0 << "9e9"
                                                 << "9e9"
                                                 << "";
    QTest::newRow("decimal 1d3") << 0 << "1d3"
                                 << "1d3"
                                 << "3E8";
}

void tst_Entry::typingMirrorsTheOtherBox()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);

    const QStringList readouts = f->channels();
    type(index, typed);
    QCOMPARE(box(0)->text(), decimal);
    QCOMPARE(box(1)->text(), hex);
    if (index == 1)
        QCOMPARE(box(1)->cursorPosition(), int(hex.size()));
    // Mirroring changes only the boxes.
    QCOMPARE(f->channels(), readouts);
    QVERIFY(f->messages.messages.isEmpty());
}

void tst_Entry::emptyingEitherBoxEmptiesTheOther_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("decimal") << 0;
    QTest::newRow("hex") << 1;
}

void tst_Entry::emptyingEitherBoxEmptiesTheOther()
{
    QFETCH(int, index);
    box(index)->setFocus();
    box(index)->end(false);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(box(index), Qt::Key_Backspace);
    QCOMPARE(box(0)->text(), QString());
    QCOMPARE(box(1)->text(), QString());
    QTest::keyClick(box(index), Qt::Key_Return);
    QCOMPARE(f->messages.messages.size(), 1);
    QCOMPARE(f->messages.messages[0].text, "No base color given");
    QCOMPARE(f->messages.messages[0].title, "Error");
    QCOMPARE(f->messages.messages[0].icon, platform::MessageIcon::Information);
}

void tst_Entry::applyingRefusesWhatIsNotADigitString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("boxAfter");

    QTest::newRow("blanks only") << "   "
                                 << "No base color given"
                                 << "";
    QTest::newRow("fraction") << "1.6"
                              << "Invalid base color"
                              << "1.6";
    QTest::newRow("sign") << "-1"
                          << "Invalid base color"
                          << "-1";
    QTest::newRow("plus") << "+5"
                          << "Invalid base color"
                          << "+5";
    QTest::newRow("hex letter") << "1a"
                                << "Invalid base color"
                                << "1a";
    QTest::newRow("inner blank, trimmed outside") << " 1 2 "
                                                  << "Invalid base color"
                                                  << "1 2";
    QTest::newRow("exponent") << "1e2"
                              << "Invalid base color"
                              << "1e2";
}

void tst_Entry::applyingRefusesWhatIsNotADigitString()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, boxAfter);

    const auto before = f->window->ColorParams;
    const QImage plane = f->control<PictureBox>("picGraphic")->image().copy();
    box(0)->setText(text);
    QTest::mouseClick(f->control("cmdApply"), Qt::LeftButton);
    QCOMPARE(f->messages.messages.size(), 1);
    QCOMPARE(f->messages.messages[0].text, message);
    QCOMPARE(f->messages.messages[0].title, "Error");
    QCOMPARE(f->messages.messages[0].icon, message.startsWith("No") ? platform::MessageIcon::Information
                                                                    : platform::MessageIcon::Exclamation);
    QCOMPARE(box(0)->text(), boxAfter);
    QCOMPARE(f->window->ColorParams, before);
    QCOMPARE(f->control<PictureBox>("picGraphic")->image(), plane);
}

void tst_Entry::applyingADigitString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("green");

    // Green is the default base channel; red 64 and blue 192 stay.
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("255") << "255"
                         << "255";
    QTest::newRow("300 caps at 255") << "300"
                                     << "255";
    QTest::newRow("4095 from FFF") << "4095"
                                   << "255";
    QTest::newRow("above 16 bits") << "268435455"
                                   << "255";
    QTest::newRow("far above 32 bits") << "99999999999999999999"
                                       << "255";
}

void tst_Entry::applyingADigitString()
{
    QFETCH(QString, text);
    QFETCH(QString, green);

    box(0)->setText(text);
    QTest::mouseClick(f->control("cmdApply"), Qt::LeftButton);
    QVERIFY(f->messages.messages.isEmpty());
    QCOMPARE(f->channels(), (QStringList{"64", green, "192"}));
    QCOMPARE(f->window->ColorParams[0][2], qint16(green.toInt()));
    QCOMPARE(box(0)->text(), text); // an apply does not rewrite the boxes
    const auto *plane = f->control<PictureBox>("picGraphic");
    QCOMPARE(plane->point(0, 0), 256 * green.toInt());
}

void tst_Entry::enterInTheHexBoxAppliesTheDecimalBox()
{
    type(1, "2a");
    QTest::keyClick(box(1), Qt::Key_Return);
    QCOMPARE(f->caption("lblGreenDecimal"), "42");
    QCOMPARE(f->caption("lblGreenHex"), "2A");
}

void tst_Entry::showColorValuesFillsReadoutsAndBoxes()
{
    QVERIFY(f->control<QRadioButton>("optGreen")->isChecked());
    f->window->ShowColorValues(64, 128, 192);
    const QStringList shown{f->caption("lblRedDecimal"),
                            f->caption("lblRedHex"),
                            f->caption("lblGreenDecimal"),
                            f->caption("lblGreenHex"),
                            f->caption("lblBlueDecimal"),
                            f->caption("lblBlueHex"),
                            box(0)->text(),
                            box(1)->text()};
    QCOMPARE(shown, (QStringList{"64", "40", "128", "80", "192", "C0", "128", "80"}));
    f->window->ShowColorValues(5, -1, 0);
    QCOMPARE(f->caption("lblRedHex"), "5");
    QCOMPARE(f->caption("lblGreenHex"), "FFFF");
    QCOMPARE(box(1)->text(), "FFFFFFFF");
}

void tst_Entry::everyShortStringIsHandledSafely()
{
    // Every string of up to three characters, typed key by key into either box and applied with Enter.
    const QString alphabet = QStringLiteral("0123456789abcdefgABCDEFG.-+&HO ");
    QStringList texts{QString()};
    for (QChar a : alphabet) {
        texts << QString(a);
        for (QChar b : alphabet) {
            texts << QString(a) + b;
            for (QChar c : alphabet)
                texts << QString(a) + b + c;
        }
    }
    int applied = 0, refused = 0;
    for (int index = 0; index < 2; ++index) {
        for (const QString &text : std::as_const(texts)) {
            const int edited = f->window->editedColor();
            const auto before = f->window->ColorParams[edited];
            f->messages.messages.clear();
            box(0)->clear();
            box(1)->clear();
            QTest::keyClicks(box(index), text);
            const QString decimal = box(0)->text().trimmed();
            QTest::keyClick(box(index), Qt::Key_Return);

            if (!f->messages.messages.isEmpty()) {
                ++refused;
                QCOMPARE(f->messages.messages.size(), 1);
                const bool empty = decimal.isEmpty();
                QCOMPARE(f->messages.messages[0].text, empty ? "No base color given" : "Invalid base color");
                QVERIFY2(empty || decimal.contains(QRegularExpression("[^0-9]")), qPrintable(text));
                QCOMPARE(f->window->ColorParams[edited], before);
                continue;
            }
            ++applied;
            QVERIFY2(QRegularExpression("^[0-9]+$").match(decimal).hasMatch(), qPrintable(text));
            const auto &now = f->window->ColorParams[edited];
            const QStringList readouts = f->channels();
            for (int channel = 0; channel < 3; ++channel) {
                QVERIFY2(now[channel + 1] >= 0 && now[channel + 1] <= 255, qPrintable(text));
                QCOMPARE(readouts[channel], QString::number(now[channel + 1]));
            }
        }
        // Try the other colour too.
        f->clickOption("optForeground");
    }
    QVERIFY(applied > 1000);
    QVERIFY(refused > 10000);
}

QTEST_MAIN(tst_Entry)
#include "tst_entry.moc"
