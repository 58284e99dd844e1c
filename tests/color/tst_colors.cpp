// SPDX-License-Identifier: MIT
#include "color/colors.h"
#include "color/textforms.h"

#include <QTest>

class tst_Colors : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void htmlAndVisualBasicForms_data();
    void htmlAndVisualBasicForms();
    void plainForms_data();
    void plainForms();
    void packing_data();
    void packing();
};

void tst_Colors::split_data()
{
    QTest::addColumn<qint32>("colour");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");

    QTest::newRow("black") << 0 << 0 << 0 << 0;
    QTest::newRow("white") << 16777215 << 255 << 255 << 255;
    QTest::newRow("worked example") << 1847979 << 171 << 50 << 28;
    QTest::newRow("no-colour value truncates toward zero") << -1 << -1 << 0 << 0;
    QTest::newRow("minus 257") << -257 << -1 << -1 << 0;
    QTest::newRow("minus 65537") << -65537 << -1 << 0 << -1;
    QTest::newRow("above white, blue exceeds 255") << 16777216 << 0 << 0 << 256;
    QTest::newRow("largest 32-bit") << 2147483647 << 255 << 255 << 32767;
    QTest::newRow("smallest 32-bit") << (-2147483647 - 1) << 0 << 0 << -32768;
}

void tst_Colors::split()
{
    QFETCH(qint32, colour);
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);

    QCOMPARE(Colors::RedOf(colour), red);
    QCOMPARE(Colors::GreenOf(colour), green);
    QCOMPARE(Colors::BlueOf(colour), blue);
    qint16 r = 99, g = 99, b = 99;
    Colors::SplitColor(colour, r, g, b);
    QCOMPARE(r, red);
    QCOMPARE(g, green);
    QCOMPARE(b, blue);
}

void tst_Colors::htmlAndVisualBasicForms_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QStringList>("forms"); // HTML, Visual Basic

    QTest::newRow("black") << 0 << 0 << 0 << QStringList{"#000000", "&&H000000"};
    QTest::newRow("white") << 255 << 255 << 255 << QStringList{"#FFFFFF", "&&HFFFFFF"};
    QTest::newRow("worked example") << 171 << 50 << 28 << QStringList{"#AB321C", "&&H1C32AB"};
    QTest::newRow("below 16 padded") << 10 << 11 << 12 << QStringList{"#0A0B0C", "&&H0C0B0A"};
    QTest::newRow("16 needs no padding") << 16 << 15 << 1 << QStringList{"#100F01", "&&H010F10"};
    QTest::newRow("no-colour split") << -1 << 0 << 0 << QStringList{"#0FFFF0000", "&&H00000FFFF"};
}

void tst_Colors::htmlAndVisualBasicForms()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QStringList, forms);

    const QStringList got{Colors::ColorValueHex(qint16(red), qint16(green), qint16(blue)),
                          Colors::ColorValueHexVB(qint16(red), qint16(green), qint16(blue))};
    QCOMPARE(got, forms);
}

void tst_Colors::plainForms_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("forms"); // decimal, 16-bit hex, 32-bit hex, two-digit hex

    QTest::newRow("zero") << 0 << QStringList{"0", "0", "0", "00"};
    QTest::newRow("ten") << 10 << QStringList{"10", "A", "A", "0A"};
    QTest::newRow("fifteen") << 15 << QStringList{"15", "F", "F", "0F"};
    QTest::newRow("sixteen") << 16 << QStringList{"16", "10", "10", "10"};
    QTest::newRow("4095") << 4095 << QStringList{"4095", "FFF", "FFF", "FFF"};
    QTest::newRow("minus one") << -1 << QStringList{"-1", "FFFF", "FFFFFFFF", "0FFFF"};
    QTest::newRow("smallest 16-bit") << -32768 << QStringList{"-32768", "8000", "FFFF8000", "08000"};
}

void tst_Colors::plainForms()
{
    QFETCH(int, value);
    QFETCH(QStringList, forms);

    const QStringList got{textforms::plainDecimal(value), textforms::plainHex16(qint16(value)),
                          textforms::plainHex32(value), textforms::twoDigitHex(qint16(value))};
    QCOMPARE(got, forms);
}

void tst_Colors::packing_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<qint32>("colour");

    QTest::newRow("worked example") << 171 << 50 << 28 << 1847979;
    QTest::newRow("catalogue introduction") << 118 << 5 << 184 << 12060022;
    QTest::newRow("catalogue titles") << 3 << 27 << 136 << 8919811;
    QTest::newRow("window grey") << 192 << 192 << 192 << 12632256;
    QTest::newRow("256 counts as 255") << 256 << 256 << 256 << 16777215;
    QTest::newRow("far above counts as 255") << 32767 << 0 << 999 << 16711935;
    QTest::newRow("below 0 counts as 0") << -1 << -32768 << 5 << 327680;
}

void tst_Colors::packing()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(qint32, colour);

    QCOMPARE(Colors::RGB(red, green, blue), colour);
}

QTEST_APPLESS_MAIN(tst_Colors)
#include "tst_colors.moc"
