// SPDX-License-Identifier: MIT
#include "viewer/viewertext.h"

#include <QTest>

namespace {

const QString kHead = QStringLiteral("NOTE: This file is too large to display entirely in this textbox.\r\n"
                                     "To view the entire contents of the file load it into NotePad,\r\n"
                                     "WordPad or some other text editor.\r\n\r\n");
const QString kTail = QStringLiteral("\r\n\r\nNOTE: Entire contents of file have not been displayed.\r\n");

// Digits in a cycle, so that a cut at the wrong place shows in the last characters kept.
QString digits(qsizetype length)
{
    return QStringLiteral("0123456789").repeated(length / 10 + 1).left(length);
}

} // namespace

class tst_ViewerText : public QObject
{
    Q_OBJECT

private slots:
    void fitToTextBox_data();
    void fitToTextBox();
};

void tst_ViewerText::fitToTextBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("LF lines") << QStringLiteral("one\ntwo") << QStringLiteral("one\ntwo");
    QTest::newRow("65529 characters, whole") << digits(65529) << digits(65529);
    // 168 + 65306 + 4 + 56 = 65534 characters.
    QTest::newRow("65530 characters, cut") << digits(65530) << kHead + digits(65306) + kTail;
}

void tst_ViewerText::fitToTextBox()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(viewertext::fitToTextBox(text), shown);
}

QTEST_APPLESS_MAIN(tst_ViewerText)
#include "tst_viewertext.moc"
