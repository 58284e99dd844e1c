// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"
#include "widgets/picturebox.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The main window driven as a user drives it; what it computes is tested window-free beside its cores.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->startActive();
    }
    void cleanup() { f.reset(); }

    void lookAtStartUp();
    void releaseOnThePlanePicks_data();
    void releaseOnThePlanePicks();
    void swatchSetsTheBaseValue();
    void baseChannelKeepsTheColourAndShowsItsValue();
    void switchingBackShowsExactlyWhatWasShown();
    void enterInABaseBox_data();
    void enterInABaseBox();
    void copyTakesTheEditedColour();
    void saveAndRestore_data();
    void saveAndRestore();
    void tabFollowsTheReadingOrder();
    void controlsHaveNames_data();
    void controlsHaveNames();
    void keysChooseColours_data();
    void keysChooseColours();
    void linksOpenFromTheKeyboard_data();
    void linksOpenFromTheKeyboard();

private:
    QLineEdit *box(int i) const { return f->control<QLineEdit>(QStringLiteral("txbBaseColor(%1)").arg(i)); }
    PictureBox *plane() const { return f->control<PictureBox>(QStringLiteral("picGraphic")); }
    QStringList boxes() const { return {box(0)->text(), box(1)->text()}; }
    void restore(const QByteArray &params)
    {
        f->storeParams(params);
        f->click(QStringLiteral("cmdRestore"));
    }

    std::unique_ptr<MainWindowFixture> f;
};

// One exact grab covers places, captions, fonts and colours; scripts/update-golden remakes the image
// when the look changes on purpose.
void tst_MainWindow::lookAtStartUp()
{
    QCOMPARE(f->window->size(), QSize(619, 547));
    QCOMPARE(f->window->windowTitle(), QStringLiteral("Quenby Color Picker 5.00"));
    QVERIFY(!f->window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QImage shown = f->window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(QCP_TEST_SOURCE_DIR "/app/golden/mainwindow.png");
    if (qEnvironmentVariableIsSet("QCP_UPDATE_GOLDEN")) {
        QVERIFY(shown.save(golden));
        QSKIP("golden image written");
    }
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!expected.isNull(), "run scripts/update-golden to make the golden image");
    if (shown != expected) {
        shown.save(QDir::temp().filePath(QStringLiteral("mainwindow-shown.png")));
        QFAIL("the window differs from golden/mainwindow.png (grab saved as mainwindow-shown.png in the "
              "temporary folder)");
    }
}

void tst_MainWindow::releaseOnThePlanePicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QStringList>("channels");

    // The default background: green base 128, blue across, red down.
    QTest::newRow("left button") << Qt::LeftButton << QPoint(10, 200) << QStringList{"200", "128", "10"};
    QTest::newRow("corner") << Qt::LeftButton << QPoint(255, 0) << QStringList{"0", "128", "255"};
    QTest::newRow("right button picks nothing")
        << Qt::RightButton << QPoint(10, 200) << QStringList{"64", "128", "192"};
}

void tst_MainWindow::releaseOnThePlanePicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, at);
    QFETCH(QStringList, channels);

    const QRgb underOldMarker = plane()->image().pixel(192 - 3, 64);
    QTest::mouseClick(plane(), button, {}, at);
    QCOMPARE(f->channels(), channels);
    const bool picked = button == Qt::LeftButton;
    // The marker moved: the plane shows its own colour again where the old one stood.
    QCOMPARE(plane()->image().pixel(192 - 3, 64) != underOldMarker, picked);
    QCOMPARE(plane()->hasFocus(), true);
    if (picked) {
        QTest::keyClick(plane(), Qt::Key_Right);
        QCOMPARE(f->channels()[2], QString::number(at.x() == 255 ? 255 : at.x() + 1));
    }
}

void tst_MainWindow::swatchSetsTheBaseValue()
{
    f->click(QStringLiteral("picSmall(15)"));
    QCOMPARE(f->channels(), (QStringList{"64", "248", "192"}));
    QCOMPARE(boxes(), (QStringList{"248", "F8"}));
    QCOMPARE(plane()->image().pixel(0, 0), qRgb(0, 248, 0));
    QVERIFY(f->control(QStringLiteral("picSmall(15)"))->hasFocus());
}

// The boxes follow the new base channel, so that an apply does not set it to the old channel's value.
void tst_MainWindow::baseChannelKeepsTheColourAndShowsItsValue()
{
    restore("001 020 248 010 002 224 224 224 ");
    QCOMPARE(boxes(), (QStringList{"248", "F8"}));
    f->clickOption(QStringLiteral("optBlue"));
    QCOMPARE(f->channels(), (QStringList{"20", "248", "10"}));
    QCOMPARE(boxes(), (QStringList{"10", "A"}));
    QCOMPARE(plane()->image().pixel(0, 0), qRgb(0, 0, 10));
    QTest::keyClick(box(0), Qt::Key_Return);
    QCOMPARE(f->channels(), (QStringList{"20", "248", "10"}));
}

void tst_MainWindow::switchingBackShowsExactlyWhatWasShown()
{
    box(0)->setText(QStringLiteral("7"));
    f->click(QStringLiteral("cmdApply"));
    f->clickOption(QStringLiteral("optRed"));
    const QImage planeBefore = plane()->image();
    const QImage swatchBefore = f->control<PictureBox>(QStringLiteral("picSmall(3)"))->image();
    f->clickOption(QStringLiteral("optForeground"));
    QCOMPARE(f->channels(), (QStringList{"224", "224", "224"}));
    QCOMPARE(f->caption(QStringLiteral("lblDecimal")), QStringLiteral("Foreground color (decimal)"));
    QVERIFY(f->control<QRadioButton>(QStringLiteral("optBlue"))->isChecked());
    f->clickOption(QStringLiteral("optBackground"));
    QCOMPARE(f->channels(), (QStringList{"64", "7", "192"}));
    QCOMPARE(plane()->image(), planeBefore);
    QCOMPARE(f->control<PictureBox>(QStringLiteral("picSmall(3)"))->image(), swatchBefore);
    QCOMPARE(boxes(), (QStringList{"64", "40"}));
}

void tst_MainWindow::enterInABaseBox_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: applied
    QTest::addColumn<QString>("green");

    QTest::newRow("hexadecimal applies the mirrored decimal") << 1 << "1f"
                                                              << ""
                                                              << "31";
    QTest::newRow("above 255 paints the channel at 255") << 0 << "300"
                                                         << ""
                                                         << "255";
    QTest::newRow("letters refused") << 0 << "xyz"
                                     << "Invalid base color"
                                     << "128";
    QTest::newRow("nothing given") << 1 << ""
                                   << "No base color given"
                                   << "128";
}

void tst_MainWindow::enterInABaseBox()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, green);

    box(index)->setFocus();
    box(index)->selectAll();
    QTest::keyClick(box(index), Qt::Key_Delete);
    QTest::keyClicks(box(index), typed);
    QTest::keyClick(box(index), Qt::Key_Return);
    QCOMPARE(f->channels()[1], green);
    QCOMPARE(f->messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(f->messages.messages[0].text, message);
    QCOMPARE(plane()->image().pixel(0, 0), qRgb(0, green.toInt(), 0));
}

void tst_MainWindow::copyTakesTheEditedColour()
{
    QTest::mouseClick(plane(), Qt::LeftButton, {}, QPoint(16, 32));
    f->control<QComboBox>(QStringLiteral("cboWhatToCopy"))->setCurrentIndex(2);
    f->click(QStringLiteral("cmdCopy"));
    QCOMPARE(f->clipboard.text, QStringLiteral("#208010"));
    QCOMPARE(f->messages.messages.size(), 1);
    QCOMPARE(f->messages.messages[0].text, QStringLiteral("#208010 copied!"));
    f->clipboard.failSetText = true;
    f->click(QStringLiteral("cmdCopy"));
    QCOMPARE(f->messages.messages.size(), 2);
    QCOMPARE(f->messages.messages[1].title, QStringLiteral("Error"));
}

void tst_MainWindow::saveAndRestore_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<qint32 FakeRegistry::*>("failure");
    QTest::addColumn<QStringList>("restored");

    QTest::newRow("saved colours") << QByteArray("000 005 000 255 002 010 020 030 ")
                                   << static_cast<qint32 FakeRegistry::*>(nullptr)
                                   << QStringList{"5", "0", "255"};
    QTest::newRow("damaged value gives the defaults")
        << QByteArray("000 005") << &FakeRegistry::createFailure << QStringList{"64", "128", "192"};
}

void tst_MainWindow::saveAndRestore()
{
    QFETCH(QByteArray, stored);
    QFETCH(qint32 FakeRegistry::*, failure);
    QFETCH(QStringList, restored);

    restore(stored);
    QCOMPARE(f->channels(), restored);
    QTest::mouseClick(plane(), Qt::LeftButton, {}, QPoint(1, 2));
    if (failure)
        f->registry.*failure = 5;
    const QByteArray before = f->storedParams();
    f->click(QStringLiteral("cmdSave"));
    if (failure) {
        // The earlier value stays, and the user is told.
        QCOMPARE(f->storedParams(), before);
        QCOMPARE(f->messages.messages.size(), 1);
        QCOMPARE(f->messages.messages[0].title, QStringLiteral("Cannot save colors"));
        QCOMPARE(f->messages.messages[0].icon, platform::MessageIcon::Exclamation);
    } else {
        QVERIFY(f->messages.messages.isEmpty());
        QCOMPARE(f->storedParams(), QByteArray("000 005 002 001 002 010 020 030 ") + '\0');
    }
}

void tst_MainWindow::tabFollowsTheReadingOrder()
{
    f->control("picSmall(0)")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 40 && visited.size() < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (name == visited.first())
            break;
        visited << name;
    }
    const QStringList expected{
        "picSmall(0)",        "picSmall(1)",     "picSmall(2)",  "picSmall(3)",   "picSmall(4)",
        "picSmall(5)",        "picSmall(6)",     "picSmall(7)",  "optBackground", "optGreen",
        "txbBaseColor(0)",    "txbBaseColor(1)", "cmdApply",     "cmdSave",       "cmdRestore",
        "picGraphic",         "picSmall(8)",     "picSmall(9)",  "picSmall(10)",  "picSmall(11)",
        "picSmall(12)",       "picSmall(13)",    "picSmall(14)", "picSmall(15)",  "cmdCopy",
        "cboWhatToCopy",      "cmdHelp",         "cmdQuit",      "lblCopyright",  "cmdQSsoftware",
        "lblOnlineUserManual"};
    QCOMPARE(visited, expected);

    // Backwards, too, each group is one stop at its selected option.
    f->control("txbBaseColor(0)")->setFocus();
    QTest::keyClick(f->control("txbBaseColor(0)"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "optGreen");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "optBackground");

    // Arrow keys choose within a group, and the group's tab stop follows the choice.
    f->control("optGreen")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget()->objectName(), "optBlue");
    QVERIFY(f->control<QRadioButton>("optBlue")->isChecked());
    f->control("optBackground")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), "optBlue");
}

void tst_MainWindow::controlsHaveNames_data()
{
    QTest::addColumn<QString>("accessibleName"); // of the control the row is named after
    QTest::newRow("picSmall(0)") << "green = 8";
    QTest::newRow("picSmall(8)") << "green = 136";
    QTest::newRow("picGraphic") << "Colour plane";
    QTest::newRow("lblBlueHex") << "Blue hexadecimal";
    QTest::newRow("picSample") << "Sample of foreground on background";
}

void tst_MainWindow::controlsHaveNames()
{
    QFETCH(QString, accessibleName);
    QCOMPARE(f->control(QTest::currentDataTag())->accessibleName(), accessibleName);
    QCOMPARE(f->control("picGraphic")->accessibleDescription(), "Picked red 64, green 128, blue 192");
    QCOMPARE(f->control("picSample")->accessibleDescription(), "Foreground #E0E0E0 on background #4080C0");
}

void tst_MainWindow::keysChooseColours_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QStringList>("expected");

    // Green base: blue across, red down; the default pick is blue 192, red 64.
    QTest::newRow("left") << "picGraphic" << int(Qt::Key_Left) << false << QStringList{"64", "128", "191"};
    QTest::newRow("shift down") << "picGraphic" << int(Qt::Key_Down) << true
                                << QStringList{"80", "128", "192"};
    QTest::newRow("shift up") << "picGraphic" << int(Qt::Key_Up) << true << QStringList{"48", "128", "192"};
    QTest::newRow("space on a swatch")
        << "picSmall(3)" << int(Qt::Key_Space) << false << QStringList{"64", "56", "192"};
}

void tst_MainWindow::keysChooseColours()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QStringList, expected);
    QWidget *widget = f->control(control);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(f->channels(), expected);
}

void tst_MainWindow::linksOpenFromTheKeyboard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("page");
    QTest::newRow("home page with Enter") << "lblCopyright" << int(Qt::Key_Return) << "";
    QTest::newRow("manual with Space") << "lblOnlineUserManual" << int(Qt::Key_Space) << "tvk/tvk.htm";
}

void tst_MainWindow::linksOpenFromTheKeyboard()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, page);
    QWidget *link = f->control(name);
    link->setFocus();
    QVERIFY(link->hasFocus());
    QTest::keyClick(link, Qt::Key(key));
    QCOMPARE(f->shell.urls.size(), 1);
    QVERIFY(f->shell.urls[0].startsWith("http"));
    QVERIFY(f->shell.urls[0].endsWith("/" + page));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
