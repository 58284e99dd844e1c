// SPDX-License-Identifier: MIT
#include "contrastpanel/contrastpanel.h"
#include "platform/nativewindow.h"
#include "support/mainwindowfixture.h"
#include "widgets/overlaylayer.h"
#include "widgets/picturebox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

const QStringList kDefaultBackground{"64", "128", "192"};

} // namespace

// The main window driven as a user drives it, its contrast panel included; what it computes is tested
// window-free beside its cores.
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
    void shownOnceDrawn_data();
    void shownOnceDrawn();
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
    void controlsHaveNames();
    void keysChooseColours_data();
    void keysChooseColours();
    void linksOpenFromTheKeyboard_data();
    void linksOpenFromTheKeyboard();

    void contextMenuListsTheActionsWithShortcuts();
    void contrastPanelGrowsTheWindowAndIsRemembered();
    void dragPreviewIsWhatTheReleasePicks_data();
    void dragPreviewIsWhatTheReleasePicks();
    void nearestPassingColour();
    void thresholdLinesLeaveThePlaneItsColours();
    void copyAsAndFormatsSavedBesideParams();
    void aSecondCopySavesOnlyWhatItChanged();
    void paste_data();
    void paste();
    void swapAndUndo();
    void shortcutsWorkWhereverTheFocusIs_data();
    void shortcutsWorkWhereverTheFocusIs();
    void keyboardSelectionSurvivesTheKeyRelease_data();
    void keyboardSelectionSurvivesTheKeyRelease();
    void markerShowsOnThePoint_data();
    void markerShowsOnThePoint();

private:
    QLineEdit *box(int i) const { return f->control<QLineEdit>(QStringLiteral("txbBaseColor(%1)").arg(i)); }
    PictureBox *plane() const { return f->control<PictureBox>(QStringLiteral("picGraphic")); }
    QStringList boxes() const { return {box(0)->text(), box(1)->text()}; }
    void restore(const QByteArray &params)
    {
        f->storeParams(params);
        f->click(QStringLiteral("cmdRestore"));
    }

    // Keys go where the window system sends them: to the focused control.
    void keys(QKeyCombination combination)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : f->window.get();
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }
    QString panelText(const QString &name) const { return f->control<QLabel>(name)->text(); }

    std::unique_ptr<MainWindowFixture> f;
};

// One exact grab covers places, captions, fonts and colours; scripts/update-golden remakes the image
// when the look changes on purpose.
void tst_MainWindow::lookAtStartUp()
{
    QCOMPARE(f->window->size(), QSize(619, 547));
    QCOMPARE(f->window->windowTitle(), QStringLiteral("Quenby Color Picker 5.00"));
    QVERIFY(!f->window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
#ifdef Q_OS_WIN
    QSKIP(
        "the golden image is the offscreen rendering on Linux; Windows draws text and controls its own way");
#endif
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

void tst_MainWindow::shownOnceDrawn_data()
{
    QTest::addColumn<QByteArray>("panelSaved");
    QTest::addColumn<int>("height");
    QTest::newRow("panel closed") << QByteArray("0") << 547;
    QTest::newRow("panel saved open") << QByteArray("1") << 547 + 156;
}

// The window is shown once its pictures are drawn, with the caption, size and place it keeps, so that the
// first frame a user sees is the final one.
void tst_MainWindow::shownOnceDrawn()
{
    QFETCH(QByteArray, panelSaved);
    QFETCH(int, height);
    struct AtShow : QObject
    {
        QString state; // caption, geometry and the plane's first point, when the window was shown
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (auto *w = qobject_cast<frmMain *>(watched);
                w && event->type() == QEvent::Show && state.isNull())
                QDebug(&state) << w->windowTitle() << w->geometry() << Qt::hex
                               << w->findChild<PictureBox *>(QStringLiteral("picGraphic"))->point(0, 0);
            return false;
        }
    } atShow;
    qApp->installEventFilter(&atShow);
    f = std::make_unique<MainWindowFixture>();
    f->registry.keys["Software\\Quenby Systems\\TVK"]["ContrastPanel"] = panelSaved + '\0';
    f->start();
    qApp->removeEventFilter(&atShow);

    // Centred with its frame, as far as the window system knows it before showing (Windows does).
    const QMargins frame = platform::frameMarginsBeforeShow(*f->window);
    QRect centred = QRect(0, 0, 619, height).marginsAdded(frame);
    centred.moveCenter(f->window->screen()->availableGeometry().center());
    QString expected;
    // The default background's plane: green 128, red 0 and blue 0 at the top left.
    QDebug(&expected) << QStringLiteral("Quenby Color Picker 5.00") << centred.marginsRemoved(frame)
                      << Qt::hex << 0x8000;
    QCOMPARE(atShow.state, expected);
    // Once shown it neither moves nor grows; its frame, when the window system adds one, lies outside.
    QCOMPARE(f->window->frameGeometry().topLeft(), centred.topLeft());
    QCOMPARE(f->window->size(), QSize(619, height));
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
    QTest::addColumn<int>("green");
    QTest::addColumn<QString>("message"); // empty: applied

    QTest::newRow("hexadecimal applies the mirrored decimal") << 1 << "1f" << 31 << QString();
    QTest::newRow("above 255 paints the channel at 255") << 0 << "300" << 255 << QString();
    QTest::newRow("letters refused") << 0 << "xyz" << 128 << "Invalid base color";
    QTest::newRow("nothing given") << 1 << "" << 128 << "No base color given";
}

void tst_MainWindow::enterInABaseBox()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(int, green);
    QFETCH(QString, message);

    box(index)->setFocus();
    box(index)->selectAll();
    QTest::keyClick(box(index), Qt::Key_Delete);
    QTest::keyClicks(box(index), typed);
    QTest::keyClick(box(index), Qt::Key_Return);
    QCOMPARE(f->channels()[1], QString::number(green));
    QCOMPARE(f->messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(f->messages.messages[0].text, message);
    QCOMPARE(plane()->image().pixel(0, 0), qRgb(0, green, 0));
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

// What a screen reader reads follows the colours: the plane's name and pick, the swatch of the base level,
// the readouts. The fixed names are constants of the code.
void tst_MainWindow::controlsHaveNames()
{
    const auto read = [this](const char *name) {
        return QAccessible::queryAccessibleInterface(f->control(QString::fromLatin1(name)));
    };
    const auto readsChecked = [&](const char *name) { return read(name)->state().checked; };
    QCOMPARE(read("picSmall(0)")->text(QAccessible::Name), "green = 8");
    QCOMPARE(read("picSample")->text(QAccessible::Description), "Foreground #E0E0E0 on background #4080C0");
    QCOMPARE(read("picGraphic")->text(QAccessible::Name), "Colour plane: green 128; blue across, red down");
    QCOMPARE(read("picGraphic")->text(QAccessible::Description),
             "Picked #4080C0: red 64, green 128, blue 192");
    QVERIFY(readsChecked("picSmall(8)") && !readsChecked("picSmall(7)"));
    QCOMPARE(read("lblColorValueHexVB")->text(QAccessible::Name), "Background color (Visual Basic) &HC08040");

    plane()->setFocus();
    keys(Qt::Key_Right);
    QCOMPARE(read("picGraphic")->text(QAccessible::Description),
             "Picked #4080C1: red 64, green 128, blue 193");
    f->click(QStringLiteral("picSmall(0)"));
    QCOMPARE(read("picGraphic")->text(QAccessible::Name), "Colour plane: green 8; blue across, red down");
    QVERIFY(readsChecked("picSmall(0)") && !readsChecked("picSmall(8)"));
    keys(Qt::CTRL | Qt::Key_K);
    QCOMPARE(read("picGraphic")->text(QAccessible::Description),
             "Picked #4008C1: red 64, green 8, blue 193; contrast ratio 7.86:1, AA normal text: pass");
    QCOMPARE(read("lblRedDecimal")->text(QAccessible::Name), "Red 64 decimal");
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
    QTest::keyClick(link, Qt::Key(key));
    QCOMPARE(f->shell.urls.size(), 1);
    QVERIFY(f->shell.urls[0].startsWith("http"));
    QVERIFY(f->shell.urls[0].endsWith("/" + page));
}

void tst_MainWindow::contextMenuListsTheActionsWithShortcuts()
{
    QStringList entries;
    for (const QAction *action : f->control<QMenu>(QStringLiteral("mnuContext"))->actions()) {
        if (!action->isSeparator())
            entries << action->text() + u' ' + action->shortcut().toString();
    }
    QCOMPARE(entries,
             (QStringList{"Contrast panel Ctrl+K", "Show thresholds Ctrl+L", "Nearest color with 3:1 Ctrl+3",
                          "Nearest color with 4.5:1 Ctrl+4", "Nearest color with 7:1 Ctrl+7",
                          "Copy contrast Ctrl+Shift+C", "Copy as ", "Formats... ", "Paste color Ctrl+V",
                          "Pick from screen Ctrl+E", "Check text over an area... Ctrl+Shift+A",
                          "Swap colors Ctrl+Shift+X", "Undo Ctrl+Z", "Redo Ctrl+Shift+Z",
                          "Color pairs Ctrl+Shift+P", "Add to color pairs Ctrl+D"}));
}

void tst_MainWindow::contrastPanelGrowsTheWindowAndIsRemembered()
{
    keys(Qt::CTRL | Qt::Key_K);
    QCOMPARE(f->window->size(), QSize(619, 547 + 156));
    // While the button is held the panel follows the point under the pointer; the pick comes at the release.
    auto *plane = f->control<PictureBox>(QStringLiteral("picGraphic"));
    QTest::mousePress(plane, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseMove(plane, QPoint(255, 255));
    QCOMPARE(panelText(QStringLiteral("lblContrastRatio")), QStringLiteral("Contrast ratio 1.62:1"));
    QTest::mouseRelease(plane, Qt::LeftButton, {}, QPoint(1, 1));
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

void tst_MainWindow::dragPreviewIsWhatTheReleasePicks_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("on the marker's outline") << QPoint(189, 64);
    QTest::newRow("below the picture") << QPoint(100, 300);
    QTest::newRow("left of the picture") << QPoint(-20, 50);
    QTest::newRow("beyond the corner") << QPoint(400, -9);
}

// While the left button is held on the plane, the panel shows what a release at that moment would pick.
void tst_MainWindow::dragPreviewIsWhatTheReleasePicks()
{
    QFETCH(QPoint, at);
    keys(Qt::CTRL | Qt::Key_K);
    const auto sample = [this] { return f->control(QStringLiteral("picSample"))->accessibleDescription(); };
    const QString stored = sample();
    QTest::mousePress(plane(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(plane(), at);
    const QString previewed =
        panelText(QStringLiteral("lblContrastRatio")) + panelText(QStringLiteral("lblApca"));
    // The sample shows the stored colours until the release picks one.
    QCOMPARE(sample(), stored);
    // The preview's end and the pick are one change of the pair.
    const QSignalSpy changes(&f->window->colorPair(), &ColorPair::changed);
    QTest::mouseRelease(plane(), Qt::LeftButton, {}, at);
    QCOMPARE(panelText(QStringLiteral("lblContrastRatio")) + panelText(QStringLiteral("lblApca")), previewed);
    QCOMPARE(changes.count(), 1);
}

void tst_MainWindow::nearestPassingColour()
{
    keys(Qt::CTRL | Qt::Key_4);
    QCOMPARE(f->channels(), (QStringList{"52", "100", "168"}));
    // The base channel stays, and the plane follows the new colour.
    QCOMPARE(f->control<QRadioButton>(QStringLiteral("optGreen"))->isChecked(), true);
    QCOMPARE(plane()->image().pixel(0, 0), qRgb(0, 100, 0));
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f->channels(), kDefaultBackground);
}

void tst_MainWindow::thresholdLinesLeaveThePlaneItsColours()
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

// "Copy as" copies the edited colour at once; a format added in "Formats..." is listed after the forms and
// saved with the colours.
void tst_MainWindow::copyAsAndFormatsSavedBesideParams()
{
    const auto copyAsEntries = [this] {
        auto *copyAs = f->control<QMenu>(QStringLiteral("mnuCopyAs"));
        emit copyAs->aboutToShow();
        return copyAs->actions();
    };
    copyAsEntries().at(1)->trigger();
    QCOMPARE(f->clipboard.text, QStringLiteral("rgb(64 128 192)"));
    QVERIFY(f->messages.messages.isEmpty());

    for (QAction *action : f->control<QMenu>(QStringLiteral("mnuContext"))->actions()) {
        if (action->text() == u"Formats...")
            action->trigger();
    }
    auto *templateBox = f->control<QLineEdit>(QStringLiteral("txbTemplate"));
    QTest::keyClicks(templateBox, QStringLiteral("{bg.hex}/{fg.hex}"));
    QTest::keyClick(templateBox, Qt::Key_Return);
    f->click(QStringLiteral("cmdSave"));
    QCOMPARE(f->registry.keys.value("Software\\Quenby Systems\\TVK").value("Formats"),
             QByteArray("{bg.hex}/{fg.hex}\n") + '\0');

    const FakeRegistry saved = f->registry;
    f = std::make_unique<MainWindowFixture>();
    f->registry = saved;
    f->startActive();
    copyAsEntries().last()->trigger();
    QCOMPARE(f->clipboard.text, QStringLiteral("#4080c0/#e0e0e0"));
}

// Two copies of the program on one store: a save writes Params and what that copy changed, on top of what
// the other copy saved.
void tst_MainWindow::aSecondCopySavesOnlyWhatItChanged()
{
    MainWindowFixture doubles;
    Services services = doubles.services();
    services.registry = &f->registry;
    frmMain second(services);
    second.Form_Load();
    const auto trigger = [](frmMain &window, const QString &entry) {
        for (QAction *action : window.findChild<QMenu *>(QStringLiteral("mnuContext"))->actions()) {
            if (action->text() == entry)
                action->trigger();
        }
    };
    const auto addFormat = [&trigger](frmMain &window, const QString &format) {
        trigger(window, QStringLiteral("Formats..."));
        auto *box = window.findChild<QLineEdit *>(QStringLiteral("txbTemplate"));
        QTest::keyClicks(box, format);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    };
    const auto stored = [this](const char *name) {
        return f->registry.keys.value("Software\\Quenby Systems\\TVK").value(name);
    };

    trigger(*f->window, QStringLiteral("Contrast panel"));
    addFormat(*f->window, QStringLiteral("{r}"));
    QTest::mouseClick(second.findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QCOMPARE(stored("Formats"), QByteArray("{r}\n") + '\0');
    QCOMPARE(stored("ContrastPanel"), QByteArray("1") + '\0');
    addFormat(second, QStringLiteral("{g}"));
    QCOMPARE(stored("Formats"), QByteArray("{r}\n{g}\n") + '\0');
    QCOMPARE(stored("ContrastPanel"), QByteArray("1") + '\0');
    auto *copyAs = second.findChild<QMenu *>(QStringLiteral("mnuCopyAs"));
    emit copyAs->aboutToShow();
    QCOMPARE(copyAs->actions().size(), 20 + 1 + 2);
}

// Ctrl+V with the focus on a picture pastes a colour; in a base box it pastes text, within the box's limit.
void tst_MainWindow::paste_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("channels");
    QTest::addColumn<QString>("box");

    QTest::newRow("on the plane") << "picGraphic" << QStringList{"18", "52", "86"} << "52";
    QTest::newRow("in a base box") << "txbBaseColor(0)" << kDefaultBackground << "#12";
}

void tst_MainWindow::paste()
{
    QFETCH(QString, focus);
    QFETCH(QStringList, channels);
    QFETCH(QString, box);

    f->clipboard.text = QStringLiteral("#123456");
    QGuiApplication::clipboard()->setText(f->clipboard.text);
    f->control(focus)->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(f->control(focus)))
        edit->clear();
    keys(Qt::CTRL | Qt::Key_V);
    QCOMPARE(f->channels(), channels);
    QCOMPARE(this->box(0)->text(), box);
}

void tst_MainWindow::swapAndUndo()
{
    // The menu offers undo and redo only when there is a step to take.
    const auto offered = [this] {
        QString s;
        for (const QAction *action : f->control<QMenu>(QStringLiteral("mnuContext"))->actions()) {
            if (action->text() == u"Undo" || action->text() == u"Redo")
                s += action->isEnabled() ? u'+' : u'-';
        }
        return s;
    };
    QCOMPARE(offered(), QStringLiteral("--"));
    const ColorParamsArray start = f->window->colorParams();
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_X);
    QCOMPARE(f->channels(), (QStringList{"224", "224", "224"}));
    QVERIFY(f->control<QRadioButton>(QStringLiteral("optBlue"))->isChecked());
    f->click(QStringLiteral("picSmall(0)"));
    f->clickOption(QStringLiteral("optForeground"));
    QTest::mouseClick(f->control(QStringLiteral("picGraphic")), Qt::LeftButton, {}, QPoint(5, 6));
    const ColorParamsArray end = f->window->colorParams();
    QCOMPARE(offered(), QStringLiteral("+-"));
    for (int i = 0; i < 4; ++i)
        keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(offered(), QStringLiteral("-+"));
    QCOMPARE(f->window->colorParams(), start);
    QCOMPARE(f->window->editedColor(), 0);
    QCOMPARE(f->channels(), kDefaultBackground);
    for (int i = 0; i < 4; ++i)
        keys(Qt::CTRL | Qt::Key_Y);
    QCOMPARE(f->window->colorParams(), end);
    QCOMPARE(f->window->editedColor(), 1);
}

void tst_MainWindow::shortcutsWorkWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeyCombination>("shortcut");
    QTest::addColumn<QString>("outcome");

    for (const char *focus :
         {"txbBaseColor(0)", "txbBaseColor(1)", "cmdApply", "picGraphic", "cboWhatToCopy"}) {
        QTest::addRow("undo in %s", focus) << focus << (Qt::CTRL | Qt::Key_Z) << "undone";
        QTest::addRow("pick from screen in %s", focus) << focus << (Qt::CTRL | Qt::Key_E) << "picking";
        QTest::addRow("contrast panel in %s", focus) << focus << (Qt::CTRL | Qt::Key_K) << "panel";
    }
}

// A base value is applied with Enter, which leaves the focus in the box: that is when a user presses
// Ctrl+Z, and the colour is undone, not the box's text.
void tst_MainWindow::shortcutsWorkWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, shortcut);
    QFETCH(QString, outcome);

    box(0)->setFocus();
    box(0)->selectAll();
    QTest::keyClicks(box(0), QStringLiteral("50"));
    QTest::keyClick(box(0), Qt::Key_Return);
    QCOMPARE(f->channels()[1], QStringLiteral("50"));
    f->control(focus)->setFocus();
    keys(shortcut);
    if (outcome == u"undone") {
        QCOMPARE(f->channels(), kDefaultBackground);
        QCOMPARE(boxes(), (QStringList{"128", "80"}));
    } else if (outcome == u"picking") {
        QCOMPARE(f->screenPicker.starts, 1);
    } else {
        QCOMPARE(f->window->height(), 547 + 156);
    }
}

void tst_MainWindow::keyboardSelectionSurvivesTheKeyRelease_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QKeyCombination>("select");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("Ctrl+A in the hexadecimal box")
        << 1 << (Qt::CTRL | Qt::Key_A) << "40" << QStringList{"64", "40"};
    QTest::newRow("Shift+Home in the hexadecimal box")
        << 1 << (Qt::SHIFT | Qt::Key_Home) << "c" << QStringList{"12", "C"};
    QTest::newRow("Ctrl+A in the decimal box") << 0 << (Qt::CTRL | Qt::Key_A) << "7" << QStringList{"7", "7"};
}

// The typed text replaces the selection, and Enter applies what the boxes show.
void tst_MainWindow::keyboardSelectionSurvivesTheKeyRelease()
{
    QFETCH(int, index);
    QFETCH(QKeyCombination, select);
    QFETCH(QString, typed);
    QFETCH(QStringList, boxes);

    QTest::mouseClick(box(index), Qt::LeftButton);
    keys(Qt::Key_End);
    keys(select);
    QTest::keyClicks(box(index), typed);
    QCOMPARE(this->boxes(), boxes);
    QTest::keyClick(box(index), Qt::Key_Return);
    QCOMPARE(f->channels()[1], boxes[0]);
}

void tst_MainWindow::markerShowsOnThePoint_data()
{
    QTest::addColumn<QPoint>("at"); // blue across, red down, green 128
    QTest::addColumn<QRgb>("marker");

    // White on points whose channels average below 128, black from there on.
    QTest::newRow("sum 383") << QPoint(200, 55) << qRgb(255, 255, 255);
    QTest::newRow("sum 384") << QPoint(201, 55) << qRgb(0, 0, 0);
}

void tst_MainWindow::markerShowsOnThePoint()
{
    QFETCH(QPoint, at);
    QFETCH(QRgb, marker);
    QTest::mouseClick(plane(), Qt::LeftButton, {}, at);
    QCOMPARE(plane()->image().pixel(at - QPoint(3, 0)), marker);
    QCOMPARE(plane()->image().pixel(at + QPoint(0, 3)), marker);
    QCOMPARE(plane()->image().pixel(at), qRgb(at.y(), 128, at.x()));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
