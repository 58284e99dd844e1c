// SPDX-License-Identifier: MIT
#include "platform/messageboxes.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void wideEnoughForTitle_data();
    void wideEnoughForTitle();
};

void TestMessageBoxes::wideEnoughForTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("copy confirmation") << "Copy to clipboard"
                                       << "Copied.";
    QTest::newRow("read error") << "Error reading file"
                                << "Error 53.  File not found";
    QTest::newRow("launch error") << "Cannot launch web browser"
                                  << "Error launching web browser, error code = 0.";
}

// The frame draws the title in bold beside an icon and three buttons, each about a line high.
void TestMessageBoxes::wideEnoughForTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFont bold = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int needed = metrics.horizontalAdvance(title) + 4 * metrics.height();

    int width = 0;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        width = box->frameGeometry().width();
        shown = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    platform::QtMessageBoxes().show(nullptr, text, title, platform::MessageIcon::Information);

    QCOMPARE(shown, text);
    QVERIFY2(width >= needed, qPrintable(QStringLiteral("%1 < %2").arg(width).arg(needed)));
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
