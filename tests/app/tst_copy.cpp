// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>

using Rgb = std::array<qint16, 3>;
Q_DECLARE_METATYPE(Rgb)

namespace {

const QString kDefaultReport = QStringLiteral("Background color:\r\n"
                                              "red    64 (dec.)  40 (hex.)\r\n"
                                              "green 128 (dec.)  80 (hex.)\r\n"
                                              "blue  192 (dec.)  C0 (hex.)\r\n"
                                              "12615744 (decimal)\r\n"
                                              "#4080C0 (hexadecimal for HTML)\r\n"
                                              "&HC08040 (hexadecimal for Visual Basic)\r\n"
                                              "RGB(64,128,192)  (RGB function for Visual Basic)\r\n"
                                              "\r\n"
                                              "Foreground color:\r\n"
                                              "red   224 (dec.)  E0 (hex.)\r\n"
                                              "green 224 (dec.)  E0 (hex.)\r\n"
                                              "blue  224 (dec.)  E0 (hex.)\r\n"
                                              "14737632 (decimal)\r\n"
                                              "#E0E0E0 (hexadecimal for HTML)\r\n"
                                              "&HE0E0E0 (hexadecimal for Visual Basic)\r\n"
                                              "RGB(224,224,224)  (RGB function for Visual Basic)\r\n"
                                              "\r\n");

} // namespace

// The main window over test doubles, started as the program starts.
class CopyWindow : public MainWindowFixture
{
public:
    CopyWindow() { start(); }

    // Chooses entry index of the copy list and presses the copy button.
    void copy(int index)
    {
        control<QComboBox>(QStringLiteral("cboWhatToCopy"))->setCurrentIndex(index);
        QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdCopy")), Qt::LeftButton);
    }

    void setForeground(const Rgb &rgb)
    {
        std::copy(rgb.begin(), rgb.end(), window->ColorParams[1].begin() + 1);
    }
};

class TestCopy : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void reportPadding_data();
    void reportPadding();
    void failures_data();
    void failures();
    void copiesReadoutsNotUnappliedEntry();
    void choosingAnEntryCopiesNothing();
    void links_data();
    void links();
};

void TestCopy::entries_data()
{
    QTest::addColumn<bool>("pureBlueBackground"); // background red 5, green 0, blue 255
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("confirmation");

    QTest::newRow("defaults, everything") << false << 0 << kDefaultReport << "Done!";
    QTest::newRow("background decimal") << false << 1 << "12615744"
                                        << "12615744 copied!";
    QTest::newRow("background hexadecimal") << false << 2 << "#4080C0"
                                            << "#4080C0 copied!";
    QTest::newRow("background RGB") << false << 3 << "RGB(64,128,192)\r\n"
                                    << "RGB(64,128,192)\r\n copied!";
    QTest::newRow("foreground decimal") << false << 4 << "14737632"
                                        << "14737632 copied!";
    QTest::newRow("foreground hexadecimal") << false << 5 << "#E0E0E0"
                                            << "#E0E0E0 copied!";
    QTest::newRow("foreground RGB") << false << 6 << "RGB(224,224,224)\r\n"
                                    << "RGB(224,224,224)\r\n copied!";

    const QString blueReport = QStringLiteral("Background color:\r\n"
                                              "red     5 (dec.)   5 (hex.)\r\n"
                                              "green   0 (dec.)   0 (hex.)\r\n"
                                              "blue  255 (dec.)  FF (hex.)\r\n"
                                              "16711685 (decimal)\r\n"
                                              "#0500FF (hexadecimal for HTML)\r\n"
                                              "&HFF0005 (hexadecimal for Visual Basic)\r\n"
                                              "RGB(5,0,255)  (RGB function for Visual Basic)\r\n"
                                              "\r\n") +
                               kDefaultReport.mid(kDefaultReport.indexOf(QStringLiteral("Foreground")));
    QTest::newRow("5,0,255, everything") << true << 0 << blueReport << "Done!";
    QTest::newRow("5,0,255, background hexadecimal") << true << 2 << "#0500FF"
                                                     << "#0500FF copied!";
}

void TestCopy::entries()
{
    QFETCH(bool, pureBlueBackground);
    QFETCH(int, index);
    QFETCH(QString, copied);
    QFETCH(QString, confirmation);

    CopyWindow w;
    if (pureBlueBackground) {
        auto &background = w.window->ColorParams[0];
        background[1] = 5;
        background[2] = 0;
        background[3] = 255;
        w.window->LoadColor(0);
    }
    w.copy(index);

    QCOMPARE(w.clipboard.calls, (QStringList{QStringLiteral("clear"), QStringLiteral("setText")}));
    QCOMPARE(w.clipboard.text, copied);
    QCOMPARE(w.messages.messages.size(), 1);
    QCOMPARE(w.messages.messages[0].text, confirmation);
    QCOMPARE(w.messages.messages[0].title, QStringLiteral("Copy to clipboard"));
    QCOMPARE(w.messages.messages[0].icon, platform::MessageIcon::None);
}

// Values outside 0..255 reach the report only through the stored colours; the foreground is not
// being edited, so copying leaves its stored values as they are.
void TestCopy::reportPadding_data()
{
    QTest::addColumn<Rgb>("foreground");
    QTest::addColumn<QString>("lines");

    QTest::newRow("above 999") << Rgb{1000, 999, 12345}
                               << "red   000 (dec.)  E8 (hex.)\r\n"
                                  "green 999 (dec.)  E7 (hex.)\r\n"
                                  "blue  345 (dec.)  39 (hex.)\r\n";
    QTest::newRow("above 255") << Rgb{300, 256, 4095}
                               << "red   300 (dec.)  2C (hex.)\r\n"
                                  "green 256 (dec.)  00 (hex.)\r\n"
                                  "blue  095 (dec.)  FF (hex.)\r\n";
    QTest::newRow("negative") << Rgb{-1, -20, 0}
                              << "red    -1 (dec.)  FF (hex.)\r\n"
                                 "green -20 (dec.)  EC (hex.)\r\n"
                                 "blue    0 (dec.)   0 (hex.)\r\n";
}

void TestCopy::reportPadding()
{
    QFETCH(Rgb, foreground);
    QFETCH(QString, lines);

    CopyWindow w;
    w.setForeground(foreground);
    w.copy(0);

    const QString heading = QStringLiteral("Foreground color:\r\n");
    const qsizetype block = w.clipboard.text.indexOf(heading);
    QVERIFY(block > 0);
    QCOMPARE(w.clipboard.text.mid(block + heading.size(), lines.size()), lines);
}

void TestCopy::failures_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Rgb>("foreground");
    QTest::addColumn<QString>("failingCall"); // of the clipboard
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("clipboardCalls");

    const Rgb fine{224, 224, 224};
    const Rgb huge{32767, 32767, 32767}; // 32767 * 65793 does not fit in 32 bits
    const QString locked = QStringLiteral("The clipboard is locked by another program.");

    QTest::newRow("clear fails") << 0 << fine << "clear" << locked << QStringList{"clear"};
    QTest::newRow("set fails") << 6 << fine << "setText" << locked << QStringList{"clear", "setText"};
    QTest::newRow("overflow, everything") << 0 << huge << ""
                                          << "Overflow" << QStringList();
    QTest::newRow("overflow, decimal") << 4 << huge << ""
                                       << "Overflow" << QStringList();
}

void TestCopy::failures()
{
    QFETCH(int, index);
    QFETCH(Rgb, foreground);
    QFETCH(QString, failingCall);
    QFETCH(QString, error);
    QFETCH(QStringList, clipboardCalls);

    CopyWindow w;
    w.setForeground(foreground);
    w.clipboard.failClear = failingCall == u"clear";
    w.clipboard.failSetText = failingCall == u"setText";
    w.clipboard.text = QStringLiteral("before");
    w.copy(index);

    QCOMPARE(w.clipboard.calls, clipboardCalls);
    if (clipboardCalls.isEmpty())
        QCOMPARE(w.clipboard.text, QStringLiteral("before"));
    QCOMPARE(w.messages.messages.size(), 1);
    QCOMPARE(w.messages.messages[0].text, error);
    QCOMPARE(w.messages.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(w.messages.messages[0].icon, platform::MessageIcon::Exclamation);
}

// The edited colour is taken from the readouts, not from a stale stored copy nor from a base box
// that was typed in but not applied.
void TestCopy::copiesReadoutsNotUnappliedEntry()
{
    CopyWindow w;
    w.window->ColorParams[0] = {1, 1, 2, 3};
    auto *baseBox = w.control<QLineEdit>(QStringLiteral("txbBaseColor(0)"));
    baseBox->selectAll();
    QTest::keyClicks(baseBox, QStringLiteral("7"));
    w.copy(1);
    QCOMPARE(w.clipboard.text, QStringLiteral("12615744"));
}

void TestCopy::choosingAnEntryCopiesNothing()
{
    CopyWindow w;
    auto *button = w.control<QPushButton>(QStringLiteral("cmdCopy"));
    auto *list = w.control<QComboBox>(QStringLiteral("cboWhatToCopy"));
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);

    QCOMPARE(list->currentIndex(), 1);
    QVERIFY(button->hasFocus());
    QVERIFY(w.clipboard.calls.isEmpty());
    QVERIFY(w.messages.messages.isEmpty());
}

// The launcher's own test covers its messages; here each label opens its page through the window's services.
void TestCopy::links_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<qint32>("shellResult");
    QTest::addColumn<QString>("url");

    QTest::newRow("home page opens") << "lblCopyright" << 42 << "https://quenby-systems.example/";
    QTest::newRow("manual, no browser")
        << "lblOnlineUserManual" << 31 << "https://quenby-systems.example/tvk/tvk.htm";
}

void TestCopy::links()
{
    QFETCH(QString, label);
    QFETCH(qint32, shellResult);
    QFETCH(QString, url);

    CopyWindow w;
    w.shell.result = shellResult;
    QTest::mouseClick(w.control(label), Qt::LeftButton);

    QCOMPARE(w.shell.urls, QStringList{url});
    QCOMPARE(w.messages.messages.size(), shellResult > 32 ? 0 : 1);
}

QTEST_MAIN(TestCopy)
#include "tst_copy.moc"
