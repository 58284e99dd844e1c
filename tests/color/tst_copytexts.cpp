// SPDX-License-Identifier: MIT
#include "color/copytexts.h"

#include <QTest>

Q_DECLARE_METATYPE(ColorParamsArray)

namespace {

const ColorParamsArray kDefaults{{{1, 64, 128, 192}, {2, 224, 224, 224}}};

const QString kDefaultForegroundBlock = QStringLiteral("Foreground color:\r\n"
                                                       "red   224 (dec.)  E0 (hex.)\r\n"
                                                       "green 224 (dec.)  E0 (hex.)\r\n"
                                                       "blue  224 (dec.)  E0 (hex.)\r\n"
                                                       "14737632 (decimal)\r\n"
                                                       "#E0E0E0 (hexadecimal for HTML)\r\n"
                                                       "&HE0E0E0 (hexadecimal for Visual Basic)\r\n"
                                                       "RGB(224,224,224)  (RGB function for Visual Basic)\r\n"
                                                       "\r\n");

} // namespace

class tst_CopyTexts : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void padChannelValue_data();
    void padChannelValue();
};

void tst_CopyTexts::entries_data()
{
    QTest::addColumn<ColorParamsArray>("params");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text"); // null: the value does not fit 32 bits

    QTest::newRow("single digits padded, everything")
        << ColorParamsArray{{{2, 5, 0, 255}, {2, 224, 224, 224}}} << 0
        << QStringLiteral("Background color:\r\n"
                          "red     5 (dec.)   5 (hex.)\r\n"
                          "green   0 (dec.)   0 (hex.)\r\n"
                          "blue  255 (dec.)  FF (hex.)\r\n"
                          "16711685 (decimal)\r\n"
                          "#0500FF (hexadecimal for HTML)\r\n"
                          "&HFF0005 (hexadecimal for Visual Basic)\r\n"
                          "RGB(5,0,255)  (RGB function for Visual Basic)\r\n"
                          "\r\n") +
               kDefaultForegroundBlock;
    // Values outside 0..255 reach the report only through restored colours.
    QTest::newRow("out of range cut to the last digits")
        << ColorParamsArray{{{0, 1000, -20, 4095}, {2, 224, 224, 224}}} << 0
        << QStringLiteral("Background color:\r\n"
                          "red   000 (dec.)  E8 (hex.)\r\n"
                          "green -20 (dec.)  EC (hex.)\r\n"
                          "blue  095 (dec.)  FF (hex.)\r\n"
                          "268365800 (decimal)\r\n"
                          "#3E80FFECFFF (hexadecimal for HTML)\r\n"
                          "&HFFF0FFEC3E8 (hexadecimal for Visual Basic)\r\n"
                          "RGB(1000,-20,4095)  (RGB function for Visual Basic)\r\n"
                          "\r\n") +
               kDefaultForegroundBlock;
    QTest::newRow("background decimal") << kDefaults << 1 << "12615744";
    QTest::newRow("background HTML") << kDefaults << 2 << "#4080C0";
    QTest::newRow("background RGB") << kDefaults << 3 << "RGB(64,128,192)\r\n";
    QTest::newRow("foreground HTML") << kDefaults << 5 << "#E0E0E0";
    const ColorParamsArray huge{{{0, 1, 2, 3}, {0, 32767, 32767, 32767}}}; // 32767 * 65793 > 2^31
    QTest::newRow("overflow, everything") << huge << 0 << QString();
    QTest::newRow("overflow, foreground decimal") << huge << 4 << QString();
    QTest::newRow("overflow elsewhere, background decimal") << huge << 1 << "197121";
    QTest::newRow("overflow, HTML still fine") << huge << 5 << "#7FFF7FFF7FFF";
}

void tst_CopyTexts::entries()
{
    QFETCH(ColorParamsArray, params);
    QFETCH(int, index);
    QFETCH(QString, text);

    const std::optional<QString> copied = copytexts::copyText(params, qint16(index));
    QCOMPARE(copied.has_value(), !text.isNull());
    if (copied)
        QCOMPARE(*copied, text);
}

void tst_CopyTexts::padChannelValue_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit") << 5 << "  5";
    QTest::newRow("two digits") << 64 << " 64";
    QTest::newRow("three digits") << 128 << "128";
    QTest::newRow("four digits keep the last three") << 1000 << "000";
    QTest::newRow("negative") << -1 << " -1";
}

void tst_CopyTexts::padChannelValue()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QString padded = QStringLiteral("unchanged");
    copytexts::PadChannelValue(qint16(value), padded);
    QCOMPARE(padded, text);
}

QTEST_APPLESS_MAIN(tst_CopyTexts)
#include "tst_copytexts.moc"
