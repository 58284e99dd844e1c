// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->start();
    }
    void cleanup() { f.reset(); }

    void windowIdentity();
    void placesAfterStartup_data();
    void placesAfterStartup();
    void copyListFilledAndPlaced();
    void fontsAndColours_data();
    void fontsAndColours();
    void firstRunShowsTheDefaultBackground();
    void foregroundShowsItsOwnColour();
    void switchingBackRestoresExactlyWhatWasShown();
    void clickingTheEditedOptionChangesNothing();
    void storeColorReadsTheReadouts();
    void loadColorTakesUnknownBaseAsBlue();
    void loadColorKeepsTheLoadedColourOutsideTheSwitch();

private:
    QRect place(const QString &name) const
    {
        QWidget *w = f->control(name);
        return QRect(w->mapTo(f->window.get(), QPoint(0, 0)), w->size());
    }
    std::unique_ptr<MainWindowFixture> f;
};

void tst_Startup::windowIdentity()
{
    QCOMPARE(f->window->windowTitle(), QStringLiteral("Quenby Color Picker 5.00"));
    QCOMPARE(f->window->size(), QSize(619, 547));
    QCOMPARE(f->window->minimumSize(), f->window->maximumSize());
    QVERIFY(f->window->isVisible());
    QVERIFY(!f->window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(f->window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!f->window->windowIcon().isNull());
}

void tst_Startup::placesAfterStartup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");

    QTest::newRow("first swatch") << "picSmall(0)" << QRect(24, 8, 65, 65);
    QTest::newRow("last swatch") << "picSmall(15)" << QRect(528, 392, 65, 65);
    QTest::newRow("directions") << "lblDirections" << QRect(8, 80, 300, 76);
    QTest::newRow("sample") << "picSample" << QRect(316, 88, 299, 32);
    QTest::newRow("plane") << "picGraphic" << QRect(336, 128, 256, 256);
    QTest::newRow("background option in its frame") << "optBackground" << QRect(16, 147, 153, 33);
    QTest::newRow("green option") << "optGreen" << QRect(150, 176, 65, 24);
    QTest::newRow("decimal box") << "txbBaseColor(0)" << QRect(189, 208, 33, 20);
    QTest::newRow("hex box") << "txbBaseColor(1)" << QRect(189, 230, 33, 20);
    QTest::newRow("apply") << "cmdApply" << QRect(239, 219, 60, 24);
    QTest::newRow("green readout") << "lblGreenDecimal" << QRect(52, 280, 30, 20);
    QTest::newRow("save") << "cmdSave" << QRect(240, 264, 60, 24);
    QTest::newRow("visual basic readout") << "lblColorValueHexVB" << QRect(219, 364, 78, 20);
    QTest::newRow("copy button") << "cmdCopy" << QRect(24, 472, 164, 24);
    QTest::newRow("quit") << "cmdQuit" << QRect(536, 472, 60, 24);
    QTest::newRow("manual link") << "lblOnlineUserManual" << QRect(456, 504, 137, 17);
}

void tst_Startup::placesAfterStartup()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QCOMPARE(this->place(name), place);
}

void tst_Startup::copyListFilledAndPlaced()
{
    auto *combo = f->control<QComboBox>("cboWhatToCopy");
    QVERIFY(combo->isVisible());
    QCOMPARE(combo->pos(), QPoint(196, 472));
    QCOMPARE(combo->width(), 249);
    const QStringList expected{"Everything",
                               "Background color (decimal)",
                               "Background color (hexadecimal)",
                               "Background color (VB RGB function)",
                               "Foreground color (decimal)",
                               "Foreground color (hexadecimal)",
                               "Foreground color (VB RGB function)"};
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, expected);
    QCOMPARE(combo->currentIndex(), 0);

    // Centred under the combo box: 196 + (249 - 212) / 2 = 214.5, shown at 215.
    auto *catalogue = f->control<QPushButton>("cmdQSsoftware");
    QVERIFY(catalogue->isVisible());
    QCOMPARE(catalogue->geometry(), QRect(215, 504, 212, 24));
    QCOMPARE(catalogue->text(), QStringLiteral("Quenby Systems Software"));
    QCOMPARE(f->control<QPushButton>("cmdCopy")->text(), QStringLiteral("Copy to clipboard ->"));
}

void tst_Startup::fontsAndColours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("windowColour");

    QTest::newRow("label") << "lblDirections"
                           << "Arial" << 9.75 << true;
    QTest::newRow("readout") << "lblRedDecimal"
                             << "Arial" << 9.75 << true;
    QTest::newRow("button") << "cmdApply"
                            << "Arial" << 9.75 << false;
    QTest::newRow("option") << "optRed"
                            << "Arial" << 9.75 << true;
    QTest::newRow("frame") << "Frame3"
                           << "Arial" << 9.75 << true;
    QTest::newRow("combo box") << "cboWhatToCopy"
                               << "Arial" << 9.75 << false;
    QTest::newRow("link") << "lblCopyright"
                          << "Arial" << 8.25 << true;
    QTest::newRow("swatch") << "picSmall(4)"
                            << "MS Sans Serif" << 8.0 << false;
}

void tst_Startup::fontsAndColours()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, windowColour);

    QWidget *w = f->control(name);
    QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pointSizeF(), points);
    if (windowColour) {
        QCOMPARE(w->palette().color(w->backgroundRole()), QColor(192, 192, 192));
        QVERIFY(w->autoFillBackground());
    }
}

void tst_Startup::firstRunShowsTheDefaultBackground()
{
    QVERIFY(f->control<QRadioButton>("optBackground")->isChecked());
    QVERIFY(f->control<QRadioButton>("optGreen")->isChecked());
    QCOMPARE(f->channels(), (QStringList{"64", "128", "192"}));
    QCOMPARE(f->control<QLineEdit>("txbBaseColor(0)")->text(), "128");
    QCOMPARE(f->control<QLineEdit>("txbBaseColor(1)")->text(), "80");

    // Plane at green 128, blue across and red down; the marker box stands around (192, 64).
    const auto *plane = f->control<PictureBox>("picGraphic");
    QCOMPARE(plane->point(10, 200), 200 + 256 * 128 + 65536 * 10);
    QCOMPARE(plane->point(192, 64), 64 + 256 * 128 + 65536 * 192);
    QCOMPARE(plane->point(189, 61), 0); // corner of the marker: 64 + 128 + 192 = 384 gives black
    QCOMPARE(plane->point(195, 67), 0);
    QCOMPARE(plane->point(190, 64), 64 + 256 * 128 + 65536 * 190); // inside the box, not filled

    const std::array<qint16, 4> background{1, 64, 128, 192};
    const std::array<qint16, 4> foreground{2, 224, 224, 224};
    QCOMPARE(f->window->ColorParams[0], background);
    QCOMPARE(f->window->ColorParams[1], foreground);
}

void tst_Startup::foregroundShowsItsOwnColour()
{
    auto *background = f->control<QRadioButton>("optBackground");
    auto *foreground = f->control<QRadioButton>("optForeground");
    QVERIFY(background->font().bold() && !foreground->font().bold());
    f->clickOption("optForeground");
    QVERIFY(!background->font().bold() && foreground->font().bold());
    QVERIFY(f->control<QRadioButton>("optBlue")->isChecked());
    for (const char *name : {"lblRedDecimal", "lblGreenDecimal", "lblBlueDecimal"})
        QCOMPARE(f->caption(name), "224");
    QCOMPARE(f->caption("lblDecimal"), "Foreground color (decimal)");
    QCOMPARE(f->caption("lblHexadecimal"), "Foreground color (hexadecimal)");
    QCOMPARE(f->caption("lblVisualBasic"), "Foreground color (Visual Basic)");
    QCOMPARE(f->caption("lblColorValueHex"), "#E0E0E0");
    QCOMPARE(f->control<PictureBox>("picGraphic")->point(0, 255), 255 + 65536 * 224);
}

void tst_Startup::switchingBackRestoresExactlyWhatWasShown()
{
    // A base value typed and applied before the switch survives it.
    auto *decimal = f->control<QLineEdit>("txbBaseColor(0)");
    decimal->clear();
    QTest::keyClicks(decimal, "77");
    QTest::keyClick(decimal, Qt::Key_Return);
    QCOMPARE(f->caption("lblGreenDecimal"), "77");

    const QImage before = f->control<PictureBox>("picGraphic")->image().copy();
    const QStringList names{"lblRedDecimal", "lblGreenDecimal", "lblBlueDecimal", "lblColorValueHexVB"};
    QStringList shown;
    for (const QString &n : names)
        shown << f->caption(n);

    f->clickOption("optForeground");
    f->clickOption("optBackground");

    QStringList after;
    for (const QString &n : names)
        after << f->caption(n);
    QCOMPARE(after, shown);
    QVERIFY(f->control<QRadioButton>("optGreen")->isChecked());
    QCOMPARE(f->control<PictureBox>("picGraphic")->image(), before);
    QCOMPARE(f->caption("lblDecimal"), "Background color (decimal)");
    QVERIFY(f->control<QRadioButton>("optBackground")->font().bold());
    QVERIFY(!f->control<QRadioButton>("optForeground")->font().bold());
}

void tst_Startup::clickingTheEditedOptionChangesNothing()
{
    f->window->ColorParams[1] = {0, 1, 2, 3}; // would be overwritten by a switch's store
    f->clickOption("optBackground");
    const std::array<qint16, 4> untouched{0, 1, 2, 3};
    QCOMPARE(f->window->ColorParams[1], untouched);
}

void tst_Startup::storeColorReadsTheReadouts()
{
    f->control<CaptionLabel>("lblRedDecimal")->setCaption("211");
    f->control<CaptionLabel>("lblGreenDecimal")->setCaption("5");
    f->control<CaptionLabel>("lblBlueDecimal")->setCaption("0");
    f->window->StoreColor(1);
    const std::array<qint16, 4> stored{1, 211, 5, 0};
    QCOMPARE(f->window->ColorParams[1], stored);

    f->control<CaptionLabel>("lblRedDecimal")->setCaption("no number");
    f->window->StoreColor(1);
    QCOMPARE(f->window->ColorParams[1][1], qint16(0));
}

void tst_Startup::loadColorTakesUnknownBaseAsBlue()
{
    f->window->ColorParams[0] = {7, 10, 20, 30};
    f->window->LoadColor(0);
    QVERIFY(f->control<QRadioButton>("optBlue")->isChecked());
    QCOMPARE(f->caption("lblBlueDecimal"), "30");
    QCOMPARE(f->control<QLineEdit>("txbBaseColor(0)")->text(), "30");
    QCOMPARE(f->control<QLineEdit>("txbBaseColor(1)")->text(), "1E");
}

void tst_Startup::loadColorKeepsTheLoadedColourOutsideTheSwitch()
{
    // Red as base: selecting it runs the option's own pick from the old readouts first.
    f->window->ColorParams[0] = {0, 10, 20, 30};
    f->window->LoadColor(0);
    QVERIFY(f->control<QRadioButton>("optRed")->isChecked());
    QCOMPARE(f->channels(), (QStringList{"10", "20", "30"}));
    const std::array<qint16, 4> loaded{0, 10, 20, 30};
    QCOMPARE(f->window->ColorParams[0], loaded);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
