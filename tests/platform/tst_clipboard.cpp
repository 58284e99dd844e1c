// SPDX-License-Identifier: MIT
#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

class tst_Clipboard : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void clearEmpties();
};

void tst_Clipboard::roundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("decimal value") << "14737632";
    QTest::newRow("line ends kept") << "RGB(64,128,192)\r\n";
    QTest::newRow("report lines") << "Background color:\r\nred    64 (dec.)  40 (hex.)\r\n\r\n";
    QTest::newRow("ampersand form") << "&HC08040";
}

void tst_Clipboard::roundTrip()
{
    QFETCH(QString, text);

    platform::Clipboard &clipboard = platform::systemClipboard();
    QString error;
    QVERIFY(clipboard.clear(error));
    QVERIFY2(clipboard.setText(text, error), qPrintable(error));
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void tst_Clipboard::clearEmpties()
{
    platform::QtClipboard clipboard;
    QString error;
    QVERIFY(clipboard.setText(QStringLiteral("#4080C0"), error));
    QVERIFY(clipboard.clear(error));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QVERIFY(error.isEmpty());
}

QTEST_MAIN(tst_Clipboard)
#include "tst_clipboard.moc"
