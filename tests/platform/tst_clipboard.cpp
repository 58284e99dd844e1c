// SPDX-License-Identifier: MIT
#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

class tst_Clipboard : public QObject
{
    Q_OBJECT

private slots:
    void clearEmpties();
};

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
