// SPDX-License-Identifier: MIT
#include "contrast/contrastpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_ContrastPanel : public QObject
{
    Q_OBJECT

private slots:
    void showsFiguresAndSignalsClicks();
};

void tst_ContrastPanel::showsFiguresAndSignalsClicks()
{
    ContrastPanel panel;
    panel.setColors(0x4080C0u, 0xE0E0E0u);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.width(), 619);
    QVERIFY(panel.height() <= 160);

    const auto text = [&](const char *name) {
        return panel.findChild<QLabel *>(QLatin1String(name))->text();
    };
    const QStringList shown{text("lblContrastRatio"), text("lblApca"),       text("lblVerdict(0)"),
                            text("lblVerdict(1)"),    text("lblVerdict(2)"), text("lblVerdict(3)"),
                            text("lblVerdict(4)")};
    QCOMPARE(shown, QStringList({"Contrast ratio 3.13:1", "APCA Lc -53.8", "AA normal text 4.5: fail \u2717",
                                 "AA large text 3: pass \u2713", "AAA normal text 7: fail \u2717",
                                 "AAA large text 4.5: fail \u2717", "User interface 3: pass \u2713"}));

    // A preview shows other figures and gives way to the chosen colours again.
    panel.previewColors(0xFFFFFFu, 0x000000u);
    QCOMPARE(text("lblContrastRatio"), QStringLiteral("Contrast ratio 21.00:1"));
    panel.endPreview();
    QCOMPARE(text("lblContrastRatio"), QStringLiteral("Contrast ratio 3.13:1"));

    // The no-colour-vision strip paints the pair in greys.
    const QImage strip = panel.findChild<QWidget *>(QStringLiteral("picVision(3)"))->grab().toImage();
    const QRgb corner = strip.pixel(1, 1);
    QVERIFY(qRed(corner) == qGreen(corner) && qGreen(corner) == qBlue(corner));

    QSignalSpy nearest(&panel, &ContrastPanel::nearestRequested);
    QSignalSpy thresholds(&panel, &ContrastPanel::thresholdsToggled);
    QSignalSpy copy(&panel, &ContrastPanel::copyRequested);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("cmdNearest(%1)").arg(i)),
                          Qt::LeftButton);
    QCOMPARE(nearest.size(), 3);
    QCOMPARE(nearest.at(0).at(0).toDouble(), 3.0);
    QCOMPARE(nearest.at(1).at(0).toDouble(), 4.5);
    QCOMPARE(nearest.at(2).at(0).toDouble(), 7.0);
    auto *check = panel.findChild<QCheckBox *>(QStringLiteral("chkShowThresholds"));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QCOMPARE(thresholds.size(), 1);
    QCOMPARE(thresholds.at(0).at(0).toBool(), true);
    QVERIFY(panel.thresholdsShown());

    auto *copied = panel.findChild<QLabel *>(QStringLiteral("lblCopied"));
    QVERIFY(!copied->isVisible());
    QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("cmdCopyContrast")), Qt::LeftButton);
    QCOMPARE(copy.size(), 1);
    panel.showCopied();
    QVERIFY(copied->isVisible());
    QTRY_VERIFY(!copied->isVisible());
}

QTEST_MAIN(tst_ContrastPanel)
#include "tst_contrastpanel.moc"
