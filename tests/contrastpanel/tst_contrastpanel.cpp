// SPDX-License-Identifier: MIT
#include "contrastpanel/contrastpanel.h"
#include "contrastpanel/contrastpanelcontroller.h"
#include "support/fakeregistry.h"
#include "support/recordingclipboard.h"
#include "support/recordingmessageboxes.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const PairState kDefaults{{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 0};

} // namespace

class tst_ContrastPanel : public QObject
{
    Q_OBJECT

private slots:
    void panelShowsFiguresAndSignalsClicks();
    void opensBelowTheWindowAndIsRemembered_data();
    void opensBelowTheWindowAndIsRemembered();
    void figuresFollowThePairAndItsPreview();
    void copiesTheFigures();

private:
    Services services()
    {
        Services s;
        s.messages = &messages;
        s.clipboard = &clipboard;
        s.registry = &registry;
        return s;
    }
    QString ratio(ContrastPanelController &c)
    {
        return c.panel().findChild<QLabel *>(QStringLiteral("lblContrastRatio"))->text();
    }

    RecordingMessageBoxes messages;
    RecordingClipboard clipboard;
    FakeRegistry registry;
};

void tst_ContrastPanel::panelShowsFiguresAndSignalsClicks()
{
    ContrastPanel panel;
    panel.setColors(0x4080C0u, 0xE0E0E0u);
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
    QVERIFY2(name.startsWith(QStringLiteral("No colour vision: foreground #")) &&
                 name.endsWith(QStringLiteral(" on background ") + QColor(corner).name().toUpper()),
             qPrintable(name));

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
