// SPDX-License-Identifier: MIT
#include "contrast/contrastpanel.h"
#include "support/mainwindowfixture.h"
#include "widgets/overlaylayer.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QStringList kDefaultBackground{"64", "128", "192"};

} // namespace

// The contrast panel, and the contrast and whole-colour actions reached as a user reaches them.
class tst_ColourActions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->startActive();
    }
    void cleanup() { f.reset(); }

    void contextMenuListsTheActionsWithShortcuts();
    void panelShowsFiguresAndSignalsClicks();
    void contrastPanelGrowsTheWindowAndIsRemembered();
    void nearestPassingColour();
    void thresholdLinesLeaveThePlaneItsColours();
    void paste_data();
    void paste();
    void swapAndUndo();

private:
    void keys(QKeyCombination combination)
    {
        QTest::keyClick(f->window.get(), combination.key(), combination.keyboardModifiers());
    }
    QString panelText(const QString &name) const { return f->control<QLabel>(name)->text(); }

    std::unique_ptr<MainWindowFixture> f;
};

void tst_ColourActions::contextMenuListsTheActionsWithShortcuts()
{
    QStringList entries;
    for (const QAction *action : f->control<QMenu>(QStringLiteral("mnuContext"))->actions()) {
        if (!action->isSeparator())
            entries << action->text() + u' ' + action->shortcut().toString();
    }
    QCOMPARE(entries,
             (QStringList{"Contrast panel Ctrl+K", "Show thresholds Ctrl+L", "Nearest color with 3:1 Ctrl+3",
                          "Nearest color with 4.5:1 Ctrl+4", "Nearest color with 7:1 Ctrl+7",
                          "Copy contrast Ctrl+Shift+C", "Paste color Ctrl+V", "Pick from screen Ctrl+E",
                          "Swap colors Ctrl+Shift+X", "Undo Ctrl+Z", "Redo Ctrl+Shift+Z"}));
}

void tst_ColourActions::panelShowsFiguresAndSignalsClicks()
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

void tst_ColourActions::contrastPanelGrowsTheWindowAndIsRemembered()
{
    keys(Qt::CTRL | Qt::Key_K);
    QCOMPARE(f->window->size(), QSize(619, 547 + 156));
    QTest::mouseClick(f->control<PictureBox>(QStringLiteral("picGraphic")), Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(panelText(QStringLiteral("lblContrastRatio")), QStringLiteral("Contrast ratio 3.89:1"));
    f->click(QStringLiteral("cmdCopyContrast"));
    QVERIFY(f->clipboard.text.startsWith(QStringLiteral("Foreground #E0E0E0 on background #018001\r\n")));
    f->click(QStringLiteral("cmdSave"));

    const FakeRegistry saved = f->registry;
    f = std::make_unique<MainWindowFixture>();
    f->registry = saved;
    f->startActive();
    QCOMPARE(f->window->size(), QSize(619, 547 + 156));
    keys(Qt::CTRL | Qt::Key_K);
    QCOMPARE(f->window->size(), QSize(619, 547));
}

void tst_ColourActions::nearestPassingColour()
{
    keys(Qt::CTRL | Qt::Key_3); // the defaults already pass 3:1
    QCOMPARE(f->channels(), kDefaultBackground);
    keys(Qt::CTRL | Qt::Key_4);
    keys(Qt::CTRL | Qt::Key_K);
    QVERIFY(panelText(QStringLiteral("lblContrastRatio")) >= QStringLiteral("Contrast ratio 4.50:1"));
    QVERIFY(f->channels() != kDefaultBackground);
    QCOMPARE(f->control<QRadioButton>(QStringLiteral("optGreen"))->isChecked(), true);
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f->channels(), kDefaultBackground);

    // Against mid grey nothing reaches 7:1.
    f->storeParams("001 064 128 192 002 119 119 119 ");
    f->click(QStringLiteral("cmdRestore"));
    keys(Qt::CTRL | Qt::Key_7);
    QCOMPARE(f->channels(), kDefaultBackground);
    QCOMPARE(f->messages.messages.size(), 1);
    QCOMPARE(f->messages.messages[0].text, QStringLiteral("No color reaches 7:1 against this color."));
    QCOMPARE(f->messages.messages[0].title, QStringLiteral("Contrast"));
    QCOMPARE(f->messages.messages[0].icon, platform::MessageIcon::Information);
}

void tst_ColourActions::thresholdLinesLeaveThePlaneItsColours()
{
    auto *plane = f->control<PictureBox>(QStringLiteral("picGraphic"));
    const QImage image = plane->image();
    const QImage shownBefore = plane->grab().toImage();
    keys(Qt::CTRL | Qt::Key_L);
    QVERIFY(plane->findChild<OverlayLayer *>()->isVisible());
    QCOMPARE(plane->image(), image);
    QVERIFY(plane->grab().toImage() != shownBefore);
    QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(f->channels(), (QStringList{"100", "128", "100"}));
}

void tst_ColourActions::paste_data()
{
    QTest::addColumn<QString>("clipboard"); // null: no text
    QTest::addColumn<QStringList>("channels");
    QTest::addColumn<QString>("message");

    QTest::newRow("Visual Basic form, blue first") << "&HC08040" << QStringList{"64", "128", "192"} << "";
    QTest::newRow("not a colour") << "#12345 and then some more text beyond forty characters"
                                  << kDefaultBackground
                                  << "Not a color: #12345 and then some more text beyond fo";
    QTest::newRow("no text") << QString() << kDefaultBackground << "The clipboard holds no text.";
}

void tst_ColourActions::paste()
{
    QFETCH(QString, clipboard);
    QFETCH(QStringList, channels);
    QFETCH(QString, message);

    f->clipboard.text = clipboard;
    f->clipboard.holdsText = !clipboard.isNull();
    f->control(QStringLiteral("picGraphic"))->setFocus();
    keys(Qt::CTRL | Qt::Key_V);
    QCOMPARE(f->channels(), channels);
    QCOMPARE(f->messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(f->messages.messages[0].text, message);
        QCOMPARE(f->messages.messages[0].title, QStringLiteral("Paste color"));
    }
}

void tst_ColourActions::swapAndUndo()
{
    const ColorParamsArray start = f->window->colorParams();
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_X);
    QCOMPARE(f->channels(), (QStringList{"224", "224", "224"}));
    QVERIFY(f->control<QRadioButton>(QStringLiteral("optBlue"))->isChecked());
    f->click(QStringLiteral("picSmall(0)"));
    f->clickOption(QStringLiteral("optForeground"));
    QTest::mouseClick(f->control(QStringLiteral("picGraphic")), Qt::LeftButton, {}, QPoint(5, 6));
    const ColorParamsArray end = f->window->colorParams();
    for (int i = 0; i < 4; ++i)
        keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f->window->colorParams(), start);
    QCOMPARE(f->window->editedColor(), 0);
    QCOMPARE(f->channels(), kDefaultBackground);
    for (int i = 0; i < 4; ++i)
        keys(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(f->window->colorParams(), end);
    QCOMPARE(f->window->editedColor(), 1);
}

QTEST_MAIN(tst_ColourActions)
#include "tst_colouractions.moc"
