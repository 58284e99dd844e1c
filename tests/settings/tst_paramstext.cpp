// SPDX-License-Identifier: MIT
#include "settings/paramstext.h"

#include <QTest>

Q_DECLARE_METATYPE(ColorParamsArray)

namespace {

const ColorParamsArray kDefaults{{{1, 64, 128, 192}, {2, 224, 224, 224}}};
const ColorParamsArray kSaved{{{0, 5, 0, 255}, {2, 10, 20, 30}}};

} // namespace

class tst_ParamsText : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void build_data();
    void build();
};

void tst_ParamsText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ColorParamsArray>("params");

    QTest::newRow("nothing stored") << QString() << kDefaults;
    QTest::newRow("saved text") << "000 005 000 255 002 010 020 030 " << kSaved;
    QTest::newRow("31 characters") << "000 005 000 255 002 010 020 030" << kDefaults;
    QTest::newRow("33 characters") << "000 005 000 255 002 010 020 030  " << kDefaults;
    QTest::newRow("a field without a number reads 0") << "abc 005 000 255 002 010 020 030 " << kSaved;
    QTest::newRow("separators unchecked") << "0001005.000e255 002-010+020/0309" << kSaved;
    QTest::newRow("out of range kept, beyond 16 bits held, halves to even")
        << "7   -12 999 9e9 2.5 3.5 -99 1e3 " << ColorParamsArray{{{7, -12, 999, 32767}, {2, 4, -99, 1000}}};
}

void tst_ParamsText::read()
{
    QFETCH(QString, text);
    QFETCH(ColorParamsArray, params);
    QCOMPARE(paramstext::read(text), params);
}

void tst_ParamsText::build_data()
{
    QTest::addColumn<ColorParamsArray>("params");
    QTest::addColumn<QString>("text");

    QTest::newRow("defaults") << kDefaults << "001 064 128 192 002 224 224 224 ";
    QTest::newRow("saved") << kSaved << "000 005 000 255 002 010 020 030 ";
    QTest::newRow("the last three characters of longer values")
        << ColorParamsArray{{{0, 1000, -1, 32767}, {1, -300, 4095, 0}}} << "000 000 0-1 767 001 300 095 000 ";
}

void tst_ParamsText::build()
{
    QFETCH(ColorParamsArray, params);
    QFETCH(QString, text);
    QCOMPARE(paramstext::build(params), text);
}

QTEST_APPLESS_MAIN(tst_ParamsText)
#include "tst_paramstext.moc"
