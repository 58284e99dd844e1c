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
    void roundToInt16_data();
    void roundToInt16();
    void roundToInt32_data();
    void roundToInt32();
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

void tst_Numbers::roundToInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");

    QTest::newRow("whole") << 211.0 << 211;
    QTest::newRow("below half") << 1.4 << 1;
    QTest::newRow("above half") << 1.6 << 2;
    QTest::newRow("half to even down") << 2.5 << 2;
    QTest::newRow("half to even up") << 3.5 << 4;
    QTest::newRow("half of zero") << 0.5 << 0;
    QTest::newRow("negative half") << -2.5 << -2;
    QTest::newRow("negative half up") << -3.5 << -4;
    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("half above largest saturates") << 32767.5 << 32767;
    QTest::newRow("above range saturates") << 9e9 << 32767;
    QTest::newRow("below range saturates") << -9e9 << -32768;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("infinity saturates") << std::numeric_limits<double>::infinity() << 32767;
    QTest::newRow("minus infinity saturates") << -std::numeric_limits<double>::infinity() << -32768;
}

void tst_Numbers::roundToInt16()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(int(numbers::roundToInt16(value)), result);
}

void tst_Numbers::roundToInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint32>("result");

    QTest::newRow("half to even") << 2.5 << true << 2;
    QTest::newRow("minus one") << -1.0 << true << -1;
    QTest::newRow("largest") << 2147483647.0 << true << 2147483647;
    QTest::newRow("smallest") << -2147483648.0 << true << (-2147483647 - 1);
    QTest::newRow("just above") << 2147483648.0 << false << 0;
    QTest::newRow("9e9") << 9e9 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
}

void tst_Numbers::roundToInt32()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(qint32, result);
    const auto r = numbers::roundToInt32(value);
    QCOMPARE(r.has_value(), fits);
    if (fits)
        QCOMPARE(*r, result);
}

QTEST_APPLESS_MAIN(tst_Numbers)
#include "tst_numbers.moc"
