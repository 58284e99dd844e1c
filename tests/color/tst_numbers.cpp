// SPDX-License-Identifier: MIT
#include "color/numbers.h"

#include <QTest>

#include <limits>

class tst_Numbers : public QObject
{
    Q_OBJECT

private slots:
    void numericValue_data();
    void numericValue();
    void rounding_data();
    void rounding();
};

void tst_Numbers::numericValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("plain") << "255" << 255.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("blanks anywhere") << " 1 2\t3\n" << 123.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("trailing junk") << "1a" << 1.0;
    QTest::newRow("fraction") << "1.6" << 1.6;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("negative") << "-1" << -1.0;
    QTest::newRow("plus sign") << "+42" << 42.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("exponent E") << "1e2" << 100.0;
    QTest::newRow("exponent D") << "1D2" << 100.0;
    QTest::newRow("negative exponent") << "5e-1" << 0.5;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("only exponent") << "e5" << 0.0;
    QTest::newRow("stored field with spaces") << "0 5" << 5.0;
    QTest::newRow("carriage return is not skipped") << "1\r2" << 1.0;
    QTest::newRow("hex") << "&HFF" << 255.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex three digits") << "&HFFF" << 4095.0;
    QTest::newRow("hex four digits wraps to 16 bits") << "&HFFFF" << -1.0;
    QTest::newRow("hex smallest 16-bit") << "&H8000" << -32768.0;
    QTest::newRow("hex five digits is 32-bit") << "&H0FFFF" << 65535.0;
    QTest::newRow("hex eight digits wraps to 32 bits") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex 32-bit positive") << "&H7FFFFFFF" << 2147483647.0;
    QTest::newRow("hex stops at a non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex without digits") << "&HG" << 0.0;
    QTest::newRow("hex with inner blanks") << " &H F F" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal 16-bit wrap") << "&O177777" << -1.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other") << "&X1" << 0.0;
    QTest::newRow("exponent beyond a double") << "1e400" << std::numeric_limits<double>::infinity();
    QTest::newRow("negative beyond a double") << "-1D999" << -std::numeric_limits<double>::infinity();
    QTest::newRow("exponent below a double") << "1e-400" << 0.0;
    QTest::newRow("large but finite") << "9e9" << 9e9;
}

void tst_Numbers::numericValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(numbers::numericValue(text), value);
}

void tst_Numbers::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("int16");
    QTest::addColumn<QString>("int32"); // "none" when it does not fit

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("whole") << 211.0 << 211 << "211";
    QTest::newRow("below half") << 1.4 << 1 << "1";
    QTest::newRow("above half") << 1.6 << 2 << "2";
    QTest::newRow("half to even down") << 2.5 << 2 << "2";
    QTest::newRow("half to even up") << 3.5 << 4 << "4";
    QTest::newRow("negative half") << -2.5 << -2 << "-2";
    QTest::newRow("negative half up") << -3.5 << -4 << "-4";
    QTest::newRow("16-bit largest") << 32767.0 << 32767 << "32767";
    QTest::newRow("half above the 16-bit largest") << 32767.5 << 32767 << "32768";
    QTest::newRow("16-bit smallest") << -32768.0 << -32768 << "-32768";
    QTest::newRow("32-bit largest") << 2147483647.0 << 32767 << "2147483647";
    QTest::newRow("32-bit smallest") << -2147483648.0 << -32768 << "-2147483648";
    QTest::newRow("just above 32 bits") << 2147483648.0 << 32767 << "none";
    QTest::newRow("infinity") << inf << 32767 << "none";
    QTest::newRow("minus infinity") << -inf << -32768 << "none";
}

void tst_Numbers::rounding()
{
    QFETCH(double, value);
    QFETCH(int, int16);
    QFETCH(QString, int32);

    QCOMPARE(int(numbers::roundToInt16(value)), int16);
    const auto rounded = numbers::roundToInt32(value);
    QCOMPARE(rounded ? QString::number(*rounded) : QStringLiteral("none"), int32);
}

QTEST_APPLESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
