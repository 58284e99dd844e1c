// SPDX-License-Identifier: MIT
#include "contrastpanel/contrastpanel.h"
#include "contrastpanel/contrastpanelcontroller.h"
#include "contrastpanel/panelplacement.h"
#include "support/testservices.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const PairState kDefaults{{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 0};

} // namespace

class tst_ContrastPanel : public QObject, private TestServices
{
    Q_OBJECT

private slots:
    void panelShowsFiguresAndSignalsClicks();
    void opensBelowTheWindowAndIsRemembered_data();
    void opensBelowTheWindowAndIsRemembered();
    void placement_data();
    void placement();
    void panelOfItsOwnOnASmallScreen();
    void figuresFollowThePairAndItsPreview();
    void copiesTheFigures();

private:
    QString ratio(ContrastPanelController &c)
    {
        return c.panel().findChild<QLabel *>(QStringLiteral("lblContrastRatio"))->text();
    }
};

void tst_ContrastPanel::panelShowsFiguresAndSignalsClicks()
{
    ContrastPanel panel;
    panel.showColors(0x4080C0u, 0xE0E0E0u);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.width(), 619);

    const auto text = [&](const char *name) {
        return panel.findChild<QLabel *>(QLatin1String(name))->text();
    };
    const QStringList shown{text("lblContrastRatio"), text("lblApca"),       text("lblVerdict(0)"),
                            text("lblVerdict(1)"),    text("lblVerdict(2)"), text("lblVerdict(3)"),
                            text("lblVerdict(4)")};
    QCOMPARE(shown, QStringList({"Contrast ratio 3.13:1", "APCA Lc -53.8", "AA normal text 4.5: fail \u2717",
                                 "AA large text 3: pass \u2713", "AAA normal text 7: fail \u2717",
                                 "AAA large text 4.5: fail \u2717", "User interface 3: pass \u2713"}));

    QVERIFY(panel.findChild<QWidget *>(QStringLiteral("cmdNearest(1)"))
                ->accessibleDescription()
                .endsWith(QStringLiteral("4.5:1; now contrast ratio 3.13:1, AA normal text: fail")));

    // The no-colour-vision strip paints the pair in greys.
    const QImage strip = panel.findChild<QWidget *>(QStringLiteral("picVision(3)"))->grab().toImage();
    const QRgb corner = strip.pixel(1, 1);
    QVERIFY(qRed(corner) == qGreen(corner) && qGreen(corner) == qBlue(corner));
    // Its name tells the colours it paints.
    const QString name = panel.findChild<QWidget *>(QStringLiteral("picVision(3)"))->accessibleName();
    QVERIFY2(name.startsWith(QStringLiteral("No color vision: foreground #")) &&
                 name.endsWith(QStringLiteral(" on background ") + QColor(corner).name().toUpper()),
             qPrintable(name));

    // Beside the ratio, what contrast-color() gives for the background, in that colour on the background.
    auto *contrastColor = panel.findChild<QLabel *>(QStringLiteral("lblContrastColor"));
    QCOMPARE(contrastColor->text(), QStringLiteral("black"));
    panel.showColors(0x757575u, 0xE0E0E0u);
    QCOMPARE(contrastColor->text(), QStringLiteral("white"));
    QCOMPARE(contrastColor->accessibleName(), QStringLiteral("contrast-color(): white"));
    QCOMPARE(contrastColor->grab().toImage().pixel(1, 1) & 0xFFFFFFu, 0x757575u);
    QVERIFY(contrastColor->geometry().right() <
            panel.findChild<QWidget *>(QStringLiteral("lblVision(0)"))->x());

    QSignalSpy nearest(&panel, &ContrastPanel::nearestRequested);
    QSignalSpy thresholds(&panel, &ContrastPanel::thresholdsToggled);
    QSignalSpy copy(&panel, &ContrastPanel::copyRequested);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("cmdNearest(%1)").arg(i)),
                          Qt::LeftButton);
    QCOMPARE(nearest, (QList<QList<QVariant>>{{3.0}, {4.5}, {7.0}}));
    auto *check = panel.findChild<QCheckBox *>(QStringLiteral("chkShowThresholds"));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    QCOMPARE(thresholds.size(), 1);
    QCOMPARE(thresholds.at(0).at(0).toBool(), true);
    QVERIFY(panel.thresholdsShown());

    QTest::mouseClick(panel.findChild<QPushButton *>(QStringLiteral("cmdCopyContrast")), Qt::LeftButton);
    QCOMPARE(copy.size(), 1);
}

void tst_ContrastPanel::opensBelowTheWindowAndIsRemembered_data()
{
    QTest::addColumn<QByteArray>("saved"); // empty: nothing saved
    QTest::addColumn<bool>("open");

    QTest::newRow("nothing saved") << QByteArray() << false;
    QTest::newRow("saved closed") << QByteArray("0") << false;
    QTest::newRow("saved open") << QByteArray("1") << true;
    QTest::newRow("anything else is closed") << QByteArray("yes") << false;
}

void tst_ContrastPanel::opensBelowTheWindowAndIsRemembered()
{
    QFETCH(QByteArray, saved);
    QFETCH(bool, open);
    registry = FakeRegistry();
    if (!saved.isEmpty())
        registry.keys["Software\\Quenby Systems\\TVK"]["ContrastPanel"] = saved + '\0';

    ColorPair pair;
    QWidget window;
    window.setFixedSize(619, 547);
    ContrastPanelController controller(pair, window, window.size(), services());
    QCOMPARE(controller.isOpen(), open);
    QCOMPARE(window.height(), open ? 547 + 156 : 547);
    QCOMPARE(controller.savedValue(), open ? "1" : "0");

    QSignalSpy told(&controller, &ContrastPanelController::openChanged);
    controller.setOpen(!open);
    QCOMPARE(window.size(), QSize(619, open ? 547 : 547 + 156));
    QCOMPARE(controller.panel().isVisibleTo(&window), !open);
    QCOMPARE(controller.panel().geometry(), QRect(0, 547, 619, 156));
    QCOMPARE(controller.savedValue(), open ? "0" : "1");
    QCOMPARE(told.size(), 1);
}

void tst_ContrastPanel::placement_data()
{
    QTest::addColumn<QRect>("frame");     // the main window's outer rectangle before the panel opens
    QTest::addColumn<QRect>("available"); // the screen's available area
    QTest::addColumn<QString>("placed");  // "window at x,y" or "panel at x,y wxh"

    // Frames 4 pixels wide with a title bar of 24: the grown window is 627 x 731 outside.
    const QRect centred1366(369, 96, 627, 575);
    QTest::newRow("room below: nothing moves")
        << QRect(369, 10, 627, 575) << QRect(0, 0, 1366, 768) << "window at 369,10";
    QTest::newRow("1366 x 768: up by the overflow")
        << centred1366 << QRect(0, 0, 1366, 768) << "window at 369,37";
    QTest::newRow("a panel along the top of the screen")
        << centred1366 << QRect(0, 30, 1366, 738) << "window at 369,37";
    QTest::newRow("just fits") << QRect(0, 100, 627, 575) << QRect(0, 0, 800, 731) << "window at 0,0";
    QTest::newRow("off the left edge too")
        << QRect(-50, 500, 627, 575) << QRect(0, 0, 1280, 800) << "window at 0,69";
    QTest::newRow("800 x 600: a window of its own at the bottom")
        << QRect(86, 12, 627, 575) << QRect(0, 0, 800, 600) << "panel at 86,416 627x184";
    QTest::newRow("one pixel short: a window of its own")
        << QRect(0, 0, 627, 575) << QRect(0, 0, 1000, 730) << "panel at 0,546 627x184";
}

void tst_ContrastPanel::placement()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QString, placed);
    const PanelPlacement p =
        placeContrastPanel(frame, QMargins(4, 24, 4, 4), available, QSize(619, 547), QSize(619, 156));
    const QString got = p.separate
                            ? QStringLiteral("panel at %1,%2 %3x%4")
                                  .arg(p.panelFrame.x())
                                  .arg(p.panelFrame.y())
                                  .arg(p.panelFrame.width())
                                  .arg(p.panelFrame.height())
                            : QStringLiteral("window at %1,%2").arg(p.windowFrame.x()).arg(p.windowFrame.y());
    QCOMPARE(got, placed);
}

// A window taller than the screen keeps its size; the panel is a window of its own that comes and goes
// with it and closes with its close box.
void tst_ContrastPanel::panelOfItsOwnOnASmallScreen()
{
    ColorPair pair;
    QWidget window;
    const QSize tall(619, window.screen()->availableGeometry().height() - 100);
    window.setFixedSize(tall);
    ContrastPanelController controller(pair, window, tall, services());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy told(&controller, &ContrastPanelController::openChanged);
    controller.setOpen(true);
    ContrastPanel &panel = controller.panel();
    QVERIFY(controller.isSeparate() && panel.isWindow() && panel.isVisible());
    QCOMPARE(panel.windowTitle(), QStringLiteral("Contrast panel"));
    QCOMPARE(window.size(), tall);
    QVERIFY(window.screen()->availableGeometry().contains(panel.frameGeometry()));
    window.hide();
    QVERIFY(!panel.isVisible());
    window.show();
    QVERIFY(panel.isVisible());
    panel.close();
    QVERIFY(!controller.isOpen());
    QCOMPARE(told.size(), 2);
}

void tst_ContrastPanel::figuresFollowThePairAndItsPreview()
{
    ColorPair pair;
    pair.setState(kDefaults);
    QWidget window;
    ContrastPanelController controller(pair, window, QSize(619, 547), services());
    controller.setOpen(true);
    QCOMPARE(ratio(controller), QStringLiteral("Contrast ratio 3.13:1"));
    pair.setPreview(qRgb(0, 0, 0));
    QCOMPARE(ratio(controller), QStringLiteral("Contrast ratio 15.90:1"));
    pair.setPreview(std::nullopt);
    QCOMPARE(ratio(controller), QStringLiteral("Contrast ratio 3.13:1"));
    pair.setColor(1, qRgb(255, 255, 255));
    QCOMPARE(ratio(controller), QStringLiteral("Contrast ratio 4.14:1"));
}

void tst_ContrastPanel::copiesTheFigures()
{
    ColorPair pair;
    pair.setState(kDefaults);
    QWidget window;
    ContrastPanelController controller(pair, window, QSize(619, 547), services());
    controller.copyContrast();
    QVERIFY(clipboard.text.startsWith(QStringLiteral("Foreground #E0E0E0 on background #4080C0\r\n")));
    QVERIFY(controller.panel()
                .findChild<QLabel *>(QStringLiteral("lblCopied"))
                ->isVisibleTo(&controller.panel()));
    clipboard.failSetText = true;
    controller.copyContrast();
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(messages.messages[0].text, clipboard.failure);
}

QTEST_MAIN(tst_ContrastPanel)
#include "tst_contrastpanel.moc"
