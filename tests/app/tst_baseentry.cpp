// SPDX-License-Identifier: MIT
#include "app/baseentry.h"

#include <QRegularExpression>
#include <QTest>

using baseentry::BaseEntryError;
Q_DECLARE_METATYPE(BaseEntryError)

class tst_BaseEntry : public QObject
{
    Q_OBJECT

private slots:
    void mirror_data();
    void mirror();
    void check_data();
    void check();
    void everyShortStringIsHandledSafely();
};

void tst_BaseEntry::mirror_data()
{
    // The box typed in (0 decimal, 1 hexadecimal); what was typed, what its box shows, what the other shows.
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("typedOwnOther");

    QTest::newRow("hex ff") << 1 << QStringList{"ff", "FF", "255"};
    QTest::newRow("hex 1g") << 1 << QStringList{"1g", "1G", "1"};
    QTest::newRow("hex with blanks") << 1 << QStringList{" a ", "A", "10"};
    QTest::newRow("hex emptied") << 1 << QStringList{"  ", "", ""};
    QTest::newRow("decimal 2.5 half to even") << 0 << QStringList{"2.5", "2.5", "2"};
    QTest::newRow("decimal leading blank") << 0 << QStringList{" 42", "42", "2A"};
    QTest::newRow("decimal -1") << 0 << QStringList{"-1", "-1", "FFFFFFFF"};
    QTest::newRow("decimal 9e9 has no hex form") << 0 << QStringList{"9e9", "9e9", ""};
    QTest::newRow("decimal emptied") << 0 << QStringList{"", "", ""};
}

void tst_BaseEntry::mirror()
{
    QFETCH(int, index);
    QFETCH(QStringList, typedOwnOther);

    const QString &typed = typedOwnOther[0];
    const baseentry::Mirror m = index == 1 ? baseentry::fromHex(typed) : baseentry::fromDecimal(typed);
    QCOMPARE((QStringList{typed, m.own, m.other}), typedOwnOther);
}

void tst_BaseEntry::check_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<BaseEntryError>("error");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("base");

    QTest::newRow("empty") << "" << BaseEntryError::NoBaseColor << "" << 0;
    QTest::newRow("blanks only") << "   " << BaseEntryError::NoBaseColor << "" << 0;
    QTest::newRow("leading zeros kept in the text") << " 007" << BaseEntryError::None << "007" << 7;
    QTest::newRow("zero") << "0" << BaseEntryError::None << "0" << 0;
    QTest::newRow("above 255 accepted") << "300" << BaseEntryError::None << "300" << 300;
    QTest::newRow("above 32767 saturates") << "268435455" << BaseEntryError::None << "268435455" << 32767;
    QTest::newRow("sign") << "-1" << BaseEntryError::InvalidBaseColor << "-1" << 0;
    QTest::newRow("decimal point") << "1.6" << BaseEntryError::InvalidBaseColor << "1.6" << 0;
    QTest::newRow("inner blank") << "1 2" << BaseEntryError::InvalidBaseColor << "1 2" << 0;
    QTest::newRow("hex letter") << "1a" << BaseEntryError::InvalidBaseColor << "1a" << 0;
    QTest::newRow("colon sorts just above 9") << "1:" << BaseEntryError::InvalidBaseColor << "1:" << 0;
    QTest::newRow("slash sorts just below 0") << "/1" << BaseEntryError::InvalidBaseColor << "/1" << 0;
}

void tst_BaseEntry::check()
{
    QFETCH(QString, typed);
    QFETCH(BaseEntryError, error);
    QFETCH(QString, text);
    QFETCH(int, base);

    const baseentry::Apply apply = baseentry::check(typed);
    QCOMPARE(apply.error, error);
    QCOMPARE(apply.text, text);
    if (error == BaseEntryError::None)
        QCOMPARE(int(apply.base), base);
}

// Every string of up to three characters over the alphabet a user can type into the boxes: each mirror is a
// well-formed number or empty, and an apply accepts exactly the digit strings.
void tst_BaseEntry::everyShortStringIsHandledSafely()
{
    const QString alphabet = QStringLiteral("0123456789abcdefgABCDEFG.-+&HO ");
    const QRegularExpression hexForm(QStringLiteral("^[0-9A-F]{1,8}$"));
    const QRegularExpression decimalForm(QStringLiteral("^-?[0-9]{1,10}$"));
    const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    QStringList strings{QString()};
    for (int length = 1; length <= 3; ++length) {
        const QStringList shorter = strings;
        for (const QString &s : shorter) {
            if (s.size() == length - 1)
                for (QChar c : alphabet)
                    strings << s + c;
        }
    }
    QCOMPARE(strings.size(), 1 + 31 + 31 * 31 + 31 * 31 * 31);

    for (const QString &s : std::as_const(strings)) {
        const QString trimmed = s.trimmed();
        const baseentry::Mirror fromDecimal = baseentry::fromDecimal(s);
        QCOMPARE(fromDecimal.own, trimmed);
        if (!fromDecimal.other.isEmpty())
            QVERIFY2(hexForm.match(fromDecimal.other).hasMatch(), qPrintable(s));
        const baseentry::Mirror fromHex = baseentry::fromHex(s);
        QCOMPARE(fromHex.own, trimmed.toUpper());
        QCOMPARE(fromHex.other.isEmpty(), trimmed.isEmpty());
        if (!trimmed.isEmpty())
            QVERIFY2(decimalForm.match(fromHex.other).hasMatch(), qPrintable(s));

        const baseentry::Apply apply = baseentry::check(s);
        const BaseEntryError expected = trimmed.isEmpty()                  ? BaseEntryError::NoBaseColor
                                        : digits.match(trimmed).hasMatch() ? BaseEntryError::None
                                                                           : BaseEntryError::InvalidBaseColor;
        QCOMPARE(apply.error, expected);
        if (expected == BaseEntryError::None)
            QCOMPARE(int(apply.base), trimmed.toInt());
    }
}

QTEST_APPLESS_MAIN(tst_BaseEntry)
#include "tst_baseentry.moc"
