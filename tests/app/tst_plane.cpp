// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

#include <QLineEdit>
#include <QRadioButton>

namespace {

qint32 rgb(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

} // namespace

class tst_Plane : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->start();
    }
    void cleanup() { f.reset(); }

    void swatchCaptions_data();
    void swatchCaptions();
    void swatchesPaintTheirLevel_data();
    void swatchesPaintTheirLevel();
    void releaseOnThePlanePicks_data();
    void releaseOnThePlanePicks();
    void markerColourFollowsTheChannelSum_data();
    void markerColourFollowsTheChannelSum();
    void nextPickRemovesTheMarker();
    void onlyTheLeftButtonPicks();
    void releaseDraggedOffThePlanePicksTheNearestPoint_data();
    void releaseDraggedOffThePlanePicksTheNearestPoint();
    void restoredChannelOutsideThePlaneIsClamped();
    void changingTheBaseChannelKeepsTheColour();
    void swatchClickSetsTheBaseValue();
    void optionsDoNothingWhileSwitching();
    void readouts_data();
    void readouts();
    void sampleShowsBothColours();

private:
    void setBase(const QString &option, int value)
    {
        f->clickOption(option);
        auto *box = f->control<QLineEdit>("txbBaseColor(0)");
        box->setText(QString::number(value));
        QTest::keyClick(box, Qt::Key_Return);
    }
    PictureBox *plane() const { return f->control<PictureBox>("picGraphic"); }
    std::unique_ptr<MainWindowFixture> f;
};

void tst_Plane::swatchCaptions_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("red, first") << 0 << 0 << "red = 8"
                                << "(hex 8)";
    QTest::newRow("green, second") << 1 << 1 << "green = 24"
                                   << "(hex 18)";
    QTest::newRow("blue, last") << 2 << 15 << "blue = 248"
                                << "(hex F8)";
    QTest::newRow("red, bottom row") << 0 << 8 << "red = 136"
                                     << "(hex 88)";
}

void tst_Plane::swatchCaptions()
{
    QFETCH(int, channel);
    QFETCH(int, index);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto captions = frmMain::SwatchCaptions(channel, index);
    QCOMPARE(captions[0], first);
    QCOMPARE(captions[1], second);
}

void tst_Plane::swatchesPaintTheirLevel_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("index");
    QTest::addColumn<qint32>("topLeft");
    QTest::addColumn<qint32>("bottomRight");
    QTest::addColumn<qint32>("point"); // at (1, 2)
    QTest::addColumn<qint32>("captionColour");

    QTest::newRow("red base, swatch 0")
        << "optRed" << 0 << rgb(8, 0, 0) << rgb(8, 255, 255) << rgb(8, 8, 4) << rgb(255, 255, 255);
    QTest::newRow("red base, swatch 7, white caption")
        << "optRed" << 7 << rgb(120, 0, 0) << rgb(120, 255, 255) << rgb(120, 8, 4) << rgb(255, 255, 255);
    QTest::newRow("red base, swatch 8, black caption")
        << "optRed" << 8 << rgb(136, 0, 0) << rgb(136, 255, 255) << rgb(136, 8, 4) << 0;
    QTest::newRow("green base, swatch 15")
        << "optGreen" << 15 << rgb(0, 248, 0) << rgb(255, 248, 255) << rgb(8, 248, 4) << 0;
    QTest::newRow("blue base, swatch 3")
        << "optBlue" << 3 << rgb(0, 0, 56) << rgb(255, 255, 56) << rgb(8, 4, 56) << rgb(255, 255, 255);
}

void tst_Plane::swatchesPaintTheirLevel()
{
    QFETCH(QString, option);
    QFETCH(int, index);
    QFETCH(qint32, topLeft);
    QFETCH(qint32, bottomRight);
    QFETCH(qint32, point);
    QFETCH(qint32, captionColour);

    f->clickOption(option);
    const auto *swatch = f->control<PictureBox>(QStringLiteral("picSmall(%1)").arg(index));
    QCOMPARE(swatch->point(0, 0), topLeft);
    QCOMPARE(swatch->point(64, 64), bottomRight);
    QCOMPARE(swatch->point(1, 2), point);
    // The captions are the only pixels of that colour: no gradient point here is pure black or white.
    int captionPixels = 0;
    for (int y = 0; y < 65; ++y)
        for (int x = 0; x < 65; ++x)
            captionPixels += swatch->point(x, y) == captionColour;
    QVERIFY2(captionPixels > 20, qPrintable(QString::number(captionPixels)));
}

void tst_Plane::releaseOnThePlanePicks_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("base");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("red base, near top left")
        << "optRed" << 100 << QPoint(1, 0) << QStringList{"100", "0", "1"};
    QTest::newRow("red base, bottom right")
        << "optRed" << 100 << QPoint(255, 255) << QStringList{"100", "255", "255"};
    QTest::newRow("green base: blue across, red down")
        << "optGreen" << 20 << QPoint(30, 10) << QStringList{"10", "20", "30"};
    QTest::newRow("blue base: green across, red down")
        << "optBlue" << 0 << QPoint(200, 7) << QStringList{"7", "200", "0"};
}

void tst_Plane::releaseOnThePlanePicks()
{
    QFETCH(QString, option);
    QFETCH(int, base);
    QFETCH(QPoint, at);
    QFETCH(QStringList, expected);

    setBase(option, base);
    QTest::mouseClick(plane(), Qt::LeftButton, {}, at);
    QCOMPARE(f->channels(), expected);
    const std::array<qint16, 4> stored{f->window->ColorParams[0][0], qint16(expected[0].toInt()),
                                       qint16(expected[1].toInt()), qint16(expected[2].toInt())};
    QCOMPARE(f->window->ColorParams[0], stored);
}

void tst_Plane::markerColourFollowsTheChannelSum_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<qint32>("marker");

    // Red base at 128: blue x + green y + 128.
    QTest::newRow("sum 383 gives white") << QPoint(127, 128) << rgb(255, 255, 255);
    QTest::newRow("sum 384 gives black") << QPoint(128, 128) << 0;
    QTest::newRow("darkest gives white") << QPoint(10, 10) << rgb(255, 255, 255);
}

void tst_Plane::markerColourFollowsTheChannelSum()
{
    QFETCH(QPoint, at);
    QFETCH(qint32, marker);
    setBase("optRed", 128);
    QTest::mouseClick(plane(), Qt::LeftButton, {}, at);
    for (QPoint corner : {QPoint(-3, -3), QPoint(3, -3), QPoint(-3, 3), QPoint(3, 3), QPoint(0, 3)})
        QCOMPARE(plane()->point(at.x() + corner.x(), at.y() + corner.y()), marker);
    // The box is an outline: its centre keeps the plane colour.
    QCOMPARE(plane()->point(at.x(), at.y()), rgb(128, at.y(), at.x()));
}

void tst_Plane::nextPickRemovesTheMarker()
{
    setBase("optRed", 50);
    f->window->picGraphic_MouseUp(1, {}, 0, 0); // box reaches -3
    QTest::mouseClick(plane(), Qt::LeftButton, {}, QPoint(100, 100));
    for (int y = 0; y <= 3; ++y)
        for (int x = 0; x <= 3; ++x)
            QCOMPARE(plane()->point(x, y), rgb(50, y, x));
    QCOMPARE(f->channels(), (QStringList{"50", "100", "100"}));
}

void tst_Plane::onlyTheLeftButtonPicks()
{
    const QStringList before = f->channels();
    QTest::mouseClick(plane(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(plane(), Qt::MiddleButton, {}, QPoint(5, 5));
    QCOMPARE(f->channels(), before);
    QTest::mousePress(plane(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f->channels(), before); // pressing alone picks nothing
}

void tst_Plane::releaseDraggedOffThePlanePicksTheNearestPoint_data()
{
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QStringList>("expected");

    // Green base at 128: blue across, red down.
    QTest::newRow("left and below") << QPoint(-20, 300) << QStringList{"255", "128", "0"};
    QTest::newRow("above and right") << QPoint(400, -1) << QStringList{"0", "128", "255"};
    QTest::newRow("just past the edge") << QPoint(256, 256) << QStringList{"255", "128", "255"};
}

void tst_Plane::releaseDraggedOffThePlanePicksTheNearestPoint()
{
    QFETCH(QPoint, release);
    QFETCH(QStringList, expected);
    QTest::mousePress(plane(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(plane(), Qt::LeftButton, {}, release);
    QCOMPARE(f->channels(), expected);
}

void tst_Plane::restoredChannelOutsideThePlaneIsClamped()
{
    f->window->ColorParams[0] = {0, 10, -5, 999};
    f->window->LoadColor(0);
    QCOMPARE(f->channels(), (QStringList{"10", "0", "255"}));
    for (qint16 v : f->window->ColorParams[0])
        QVERIFY(v >= 0 && v <= 255);
}

void tst_Plane::changingTheBaseChannelKeepsTheColour()
{
    setBase("optRed", 10);
    QTest::mouseClick(plane(), Qt::LeftButton, {}, QPoint(30, 20)); // red 10, green 20, blue 30
    f->clickOption("optGreen");
    QCOMPARE(f->channels(), (QStringList{"10", "20", "30"}));
    QCOMPARE(plane()->point(0, 0), rgb(0, 20, 0));       // the plane at green 20
    QCOMPARE(plane()->point(30, 10), rgb(10, 20, 30));   // picked at x 30 (blue), y 10 (red)
    QCOMPARE(plane()->point(27, 7), rgb(255, 255, 255)); // a dark pick gets a white marker
}

void tst_Plane::swatchClickSetsTheBaseValue()
{
    QTest::mouseClick(f->control<PictureBox>("picSmall(15)"), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(f->channels(), (QStringList{"64", "248", "192"}));
    QCOMPARE(f->control<QLineEdit>("txbBaseColor(0)")->text(), "248");
    QCOMPARE(f->control<QLineEdit>("txbBaseColor(1)")->text(), "F8");
    QCOMPARE(f->caption("lblGreenHex"), "F8");
    QCOMPARE(plane()->point(0, 0), rgb(0, 248, 0));
    QCOMPARE(f->window->ColorParams[0][2], qint16(248));
}

void tst_Plane::optionsDoNothingWhileSwitching()
{
    const QImage before = plane()->image().copy();
    f->window->blnSwitchingColor = true;
    f->clickOption("optRed");
    f->window->blnSwitchingColor = false;
    QVERIFY(f->control<QRadioButton>("optRed")->isChecked());
    QCOMPARE(plane()->image(), before);
}

void tst_Plane::readouts_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QStringList>("expected"); // the nine readouts in their order

    QTest::newRow("pure red") << 255 << 0 << 0
                              << QStringList{"255", "FF", "0", "0", "0", "0", "255", "#FF0000", "&&H0000FF"};
    QTest::newRow("white") << 255 << 255 << 255
                           << QStringList{"255", "FF",       "255",     "FF",       "255",
                                          "FF",  "16777215", "#FFFFFF", "&&HFFFFFF"};
    QTest::newRow("worked example") << 171 << 50 << 28
                                    << QStringList{"171", "AB",      "50",      "32",       "28",
                                                   "1C",  "1847979", "#AB321C", "&&H1C32AB"};
}

void tst_Plane::readouts()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QStringList, expected);

    f->window->UpdateReadouts(qint16(red), qint16(green), qint16(blue));
    const QStringList names{"lblRedDecimal",        "lblRedHex",        "lblGreenDecimal",
                            "lblGreenHex",          "lblBlueDecimal",   "lblBlueHex",
                            "lblColorValueDecimal", "lblColorValueHex", "lblColorValueHexVB"};
    QStringList shown;
    for (const QString &n : names)
        shown << f->caption(n);
    QCOMPARE(shown, expected);
    QCOMPARE(f->control<CaptionLabel>("lblColorValueHexVB")->text(), expected.last().mid(1));
}

void tst_Plane::sampleShowsBothColours()
{
    auto *sample = f->control<PictureBox>("picSample");
    QCOMPARE(sample->font().pointSizeF(), 10.0);
    const auto count = [sample](QRect area, qint32 colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += sample->point(x, y) == colour;
        return n;
    };
    // Default background 64, 128, 192 behind the sentence in 224, 224, 224 and the five words.
    QCOMPARE(sample->point(298, 31), rgb(64, 128, 192));
    QVERIFY(count({0, 0, 299, 13}, rgb(224, 224, 224)) > 50);
    QVERIFY(count({8, 13, 50, 18}, 0) > 10);
    QVERIFY(count({69, 13, 50, 18}, rgb(255, 255, 255)) > 10);
    QVERIFY(count({130, 13, 50, 18}, rgb(255, 0, 0)) > 10);
    QVERIFY(count({191, 13, 50, 18}, rgb(0, 255, 0)) > 10);
    QVERIFY(count({252, 13, 46, 18}, rgb(0, 0, 255)) > 10);

    // A new foreground changes the sentence and keeps the background.
    f->clickOption("optForeground");
    QTest::mouseClick(plane(), Qt::LeftButton, {}, QPoint(0, 1)); // blue base 224: red 1, green 0
    QCOMPARE(sample->point(298, 31), rgb(64, 128, 192));
    QVERIFY(count({0, 0, 299, 13}, rgb(1, 0, 224)) > 50);
    QCOMPARE(count({0, 0, 299, 13}, rgb(224, 224, 224)), 0);
}

QTEST_MAIN(tst_Plane)
#include "tst_plane.moc"
