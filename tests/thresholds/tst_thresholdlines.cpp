// SPDX-License-Identifier: MIT
#include "thresholds/thresholdimages.h"
#include "thresholds/thresholdlines.h"
#include "widgets/overlaylayer.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

// The lines are drawn for the edited colour's plane and swatches against the other colour.
class tst_ThresholdLines : public QObject
{
    Q_OBJECT

private slots:
    void linesFollowTheEditedPlaneAndTheOtherColour();
};

void tst_ThresholdLines::linesFollowTheEditedPlaneAndTheOtherColour()
{
    QWidget window;
    std::array<QWidget *, 16> swatches{};
    for (QWidget *&swatch : swatches) {
        swatch = new QWidget(&window);
        swatch->resize(65, 65);
    }
    auto *plane = new QWidget(&window);
    plane->resize(256, 256);
    window.show();

    ColorPair pair;
    pair.setState({{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 0});
    ThresholdLines lines(pair, swatches, *plane);
    QSignalSpy shown(&lines, &ThresholdLines::shownChanged);
    lines.setShown(true);
    lines.setShown(true);
    QCOMPARE(shown.size(), 1);
    const auto *planeLines = plane->findChild<OverlayLayer *>();
    const auto *swatchLines = swatches[5]->findChild<OverlayLayer *>();
    QVERIFY(planeLines && planeLines->isVisible() && swatchLines);
    QCOMPARE(planeLines->image(), thresholds::planeOverlay(1, 128, qRgb(224, 224, 224)));
    QCOMPARE(swatchLines->image(), thresholds::swatchOverlay(1, 5, qRgb(224, 224, 224)));

    // The other colour, and the edited plane, move the lines.
    pair.setColor(1, qRgb(0, 0, 0));
    QCOMPARE(planeLines->image(), thresholds::planeOverlay(1, 128, qRgb(0, 0, 0)));
    pair.setColor(0, qRgb(10, 40, 20));
    QCOMPARE(planeLines->image(), thresholds::planeOverlay(1, 40, qRgb(0, 0, 0)));
    PairState foreground = pair.state();
    foreground.edited = 1;
    pair.setState(foreground);
    QCOMPARE(planeLines->image(), thresholds::planeOverlay(2, 0, qRgb(10, 40, 20)));
    QCOMPARE(swatchLines->image(), thresholds::swatchOverlay(2, 5, qRgb(10, 40, 20)));

    lines.setShown(false);
    QVERIFY(!planeLines->isVisible());
}

QTEST_MAIN(tst_ThresholdLines)
#include "tst_thresholdlines.moc"
