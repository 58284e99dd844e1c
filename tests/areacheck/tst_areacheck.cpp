// SPDX-License-Identifier: MIT
#include "areacheck/areaview.h"
#include "support/mainwindowfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The fake picker's pattern from x 128 to 255 in rows 0 and 1: (x, y, 128), dark blue to bright pink.
const QRect kArea(128, 0, 128, 2);

} // namespace

// "Text over an area" through its wiring, over a main window with the fake screen picker; the figures
// themselves are tested window-free with the contrast core.
class tst_AreaCheck : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void ctrlShiftAPicksAnAreaAndTheWindowTellsItsFigures();
    void theWindowFollowsTheForegroundAndTakesTheNearest();

private:
    void keys(QKeyCombination combination)
    {
        QWidget *target =
            QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }
    QWidget *window() const { return f->window->findChild<QWidget *>(QStringLiteral("frmArea")); }
    QStringList figures() const
    {
        QStringList lines;
        for (int i = 0; i < 6; ++i)
            lines << f->control<QLabel>(QStringLiteral("lblFigure(%1)").arg(i))->text();
        return lines << f->control<QLabel>(QStringLiteral("lblNearest"))->text();
    }
    void pickArea()
    {
        f->startActive();
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
        QCOMPARE(f->screenPicker.areaStarts, 1);
        f->screenPicker.startCorner(kArea.topLeft());
        f->screenPicker.point(kArea.bottomRight());
        f->screenPicker.pickArea(kArea);
        QVERIFY(window() && window()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), window());
    }

    std::unique_ptr<MainWindowFixture> f;
};

void tst_AreaCheck::ctrlShiftAPicksAnAreaAndTheWindowTellsItsFigures()
{
    f->startActive();
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    QCOMPARE(f->screenPicker.areaStarts, 1);
    // While the area is dragged its outline rings it, clear of its pixels, and no colour is previewed.
    f->screenPicker.startCorner(kArea.topLeft());
    f->screenPicker.point(kArea.bottomRight());
    f->screenPicker.hover(qRgb(9, 9, 9));
    QVERIFY(!f->window->colorPair().preview());
    QWidget *outline = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == u"AreaOutline")
            outline = w;
    }
    QVERIFY(outline && outline->isVisible());
    const QRegion ring = outline->mask().translated(outline->pos());
    QVERIFY(ring.boundingRect().contains(kArea.adjusted(-1, -1, 1, 1)));
    QVERIFY(!ring.intersects(kArea.adjusted(-1, -1, 1, 1)));

    f->screenPicker.pickArea(kArea);
    QVERIFY(!outline->isVisible());
    QVERIFY(window() && window()->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), window());
    QCOMPARE(window()->windowTitle(), QStringLiteral("Text over an area"));
    // #E0E0E0 fails AA for normal text from pink 192 up: half the area.
    QCOMPARE(figures(),
             (QStringList{"Foreground #E0E0E0 over an area of 128 x 2 pixels", "Lowest contrast ratio 2.85:1",
                          "95% of the area reaches 2.97:1", "Median contrast ratio 4.47:1",
                          "WCAG AA: normal text 50.0% of the area, large text 93.7%",
                          "WCAG AAA: normal text 2.3% of the area, large text 50.0%",
                          "No color reaches 4.5:1 on 95% of the area"}));

    // Magnified three times; the picture is the area's own pixels, and the stripes lie above it exactly
    // over the failing pixels' squares.
    auto *view = f->window->findChild<AreaView *>(QStringLiteral("picArea"));
    QCOMPARE(view->picture().size(), QSize(384, 6));
    QCOMPARE(view->picture().pixel(3 * 70 + 1, 4), qRgb(128 + 70, 1, 128));
    bool marksLeft = false, marksRight = true;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 384; ++x) {
            const bool marked = qAlpha(view->marks().pixel(x, y)) != 0;
            if (x < 3 * 64)
                marksLeft |= marked;
            else
                marksRight &= marked == areaview::onStripe(x, y);
        }
    }
    QVERIFY(!marksLeft && marksRight);
    const QImage shown = view->grab().toImage();
    QCOMPARE(shown.pixel(3 * 70 + 1, 4), view->marks().pixel(3 * 70 + 1, 4)
                                             ? view->marks().pixel(3 * 70 + 1, 4)
                                             : view->picture().pixel(3 * 70 + 1, 4));

    // Its keys work wherever its focus is: Ctrl+Shift+C copies what it shows, as the panel copies.
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    QCOMPARE(f->clipboard.text, figures().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
    QCOMPARE(f->screenPicker.areaStarts, 2);
    f->screenPicker.cancel();
    keys(Qt::Key_Escape);
    QVERIFY(!window()->isVisible());
}

void tst_AreaCheck::theWindowFollowsTheForegroundAndTakesTheNearest()
{
    pickArea();
    ColorPair &pair = f->window->colorPair();
    pair.setColor(1, qRgb(0xC0, 0xC0, 0xC0));
    QTRY_COMPARE(figures()[1], QStringLiteral("Lowest contrast ratio 2.07:1"));
    QCOMPARE(figures().mid(2, 4),
             (QStringList{"95% of the area reaches 2.15:1", "Median contrast ratio 3.24:1",
                          "WCAG AA: normal text 15.6% of the area, large text 58.5%",
                          "WCAG AAA: normal text 0.0% of the area, large text 15.6%"}));
    f->control<QComboBox>(QStringLiteral("cboLevel"))->setCurrentIndex(0);
    QCOMPARE(figures().back(), QStringLiteral("Nearest color reaching 3:1 on 95% of the area: #DAE3DF"));
    pair.clearHistory();
    f->click(QStringLiteral("cmdUseNearest"));
    QCOMPARE(pair.foreground(), qRgb(0xDA, 0xE3, 0xDF));
    // The foreground now reaches the level itself.
    QTRY_VERIFY(!f->control<QPushButton>(QStringLiteral("cmdUseNearest"))->isEnabled());
    QCOMPARE(figures().back(), QStringLiteral("Nearest color reaching 3:1 on 95% of the area: #DAE3DF"));
    pair.undo();
    QCOMPARE(pair.foreground(), qRgb(0xC0, 0xC0, 0xC0));
    QVERIFY(!pair.canUndo());
}

QTEST_MAIN(tst_AreaCheck)
#include "tst_areacheck.moc"
