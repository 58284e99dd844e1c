// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QRadioButton>

class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->startActive();
    }
    void cleanup() { f.reset(); }

    void tabFollowsTheReadingOrder();
    void controlsHaveNames_data();
    void controlsHaveNames();
    void keysChooseColours_data();
    void keysChooseColours();
    void linksOpenFromTheKeyboard_data();
    void linksOpenFromTheKeyboard();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void tst_Keyboard::tabFollowsTheReadingOrder()
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

void tst_Keyboard::controlsHaveNames_data()
{
    QTest::addColumn<QString>("accessibleName"); // of the control the row is named after
    QTest::newRow("picSmall(0)") << "green = 8";
    QTest::newRow("picSmall(8)") << "green = 136";
    QTest::newRow("picGraphic") << "Colour plane";
    QTest::newRow("lblBlueHex") << "Blue hexadecimal";
    QTest::newRow("picSample") << "Sample of foreground on background";
}

void tst_Keyboard::controlsHaveNames()
{
    QFETCH(QString, accessibleName);
    QCOMPARE(f->control(QTest::currentDataTag())->accessibleName(), accessibleName);
    QCOMPARE(f->control("picGraphic")->accessibleDescription(), "Picked red 64, green 128, blue 192");
    QCOMPARE(f->control("picSample")->accessibleDescription(), "Foreground #E0E0E0 on background #4080C0");
}

void tst_Keyboard::keysChooseColours_data()
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

void tst_Keyboard::keysChooseColours()
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

void tst_Keyboard::linksOpenFromTheKeyboard_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("page");
    QTest::newRow("home page with Enter") << "lblCopyright" << int(Qt::Key_Return) << "";
    QTest::newRow("manual with Space") << "lblOnlineUserManual" << int(Qt::Key_Space) << "tvk/tvk.htm";
}

void tst_Keyboard::linksOpenFromTheKeyboard()
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

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
