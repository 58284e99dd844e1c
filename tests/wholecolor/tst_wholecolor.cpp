// SPDX-License-Identifier: MIT
#include "support/testservices.h"
#include "wholecolor/paircommands.h"
#include "wholecolor/pastecolor.h"

#include <QTest>
#include <QWidget>

namespace {

// The program's defaults: background #4080C0 on the green base, foreground #E0E0E0 on the blue base.
PairState defaults(int edited = 0)
{
    return {{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, edited};
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFFu, 6, 16, QChar(u'0')).toUpper();
}

} // namespace

class tst_WholeColor : public QObject, private TestServices
{
    Q_OBJECT

private slots:
    void init()
    {
        pair = std::make_unique<ColorPair>();
        pair->setState(defaults());
        pair->clearHistory();
        messages.messages.clear();
        clipboard = RecordingClipboard();
    }

    void paste_data();
    void paste();
    void swapKeepsEachBaseChannelAndIsOneStep();
    void nearestPassing_data();
    void nearestPassing();

private:
    QWidget window;
    std::unique_ptr<ColorPair> pair;
};

void tst_WholeColor::paste_data()
{
    QTest::addColumn<int>("edited");
    QTest::addColumn<QString>("clipboard"); // null: no text
    QTest::addColumn<QString>("pair");      // background and foreground after the paste
    QTest::addColumn<QString>("message");

    QTest::newRow("one colour sets the edited one") << 1 << "&HC08040"
                                                    << "#4080C0 #4080C0"
                                                    << "";
    QTest::newRow("the report sets both")
        << 0
        << "Background color:\r\n#010203 (hexadecimal for HTML)\r\nForeground color:\r\n"
           "#040506 (hexadecimal for HTML)\r\n"
        << "#010203 #040506"
        << "";
    QTest::newRow("not a colour, cut at 40 characters with an ellipsis")
        << 0 << "#12345 and then some more text beyond forty characters"
        << "#4080C0 #E0E0E0"
        << "Not a color: #12345 and then some more text beyond fo\u2026";
    QTest::newRow("not a colour, 40 characters are not cut") << 0 << QString(40, u'x') << "#4080C0 #E0E0E0"
                                                             << "Not a color: " + QString(40, u'x');
    QTest::newRow("control characters and NUL shown")
        << 0 << QChar(0) + QStringLiteral("#12\x01\t\r\n\x7f") << "#4080C0 #E0E0E0"
        << QString::fromUtf8("Not a color: \u2400#12\u2401\u2409\u240D\u240A\u2421");
    QTest::newRow("invisible and reordering characters named")
        << 0 << QString::fromUtf8("\u202Eabc\u200B\u0085\U000E0041") << "#4080C0 #E0E0E0"
        << "Not a color: <U+202E>abc<U+200B><U+0085><U+E0041>";
    QTest::newRow("a character beyond the basic plane is not split")
        << 0 << QString(39, u'x') + QString::fromUtf8("\U0001F600") << "#4080C0 #E0E0E0"
        << "Not a color: " + QString(39, u'x') + QString::fromUtf8("\u2026");
    QTest::newRow("transparency dropped and told") << 1 << "rgba(1, 2, 3, 0.5)"
                                                   << "#4080C0 #010203"
                                                   << "The color was pasted; its transparency was ignored.";
    QTest::newRow("every note, in one box")
        << 1 << "light-dark(color(display-p3 0 1 0 / 0.5), red)"
        << "#4080C0 #00FB29"
        << "The color was pasted; its transparency was ignored; it lay outside "
           "sRGB and was mapped into it; light-dark() gave its light color.";
    QTest::newRow("a page's colour, refused with the reason")
        << 0 << "var(--brand)"
        << "#4080C0 #E0E0E0"
        << "Not a color: var(--brand)\nvar() stands for a value set in a page; paste the color it holds.";
    QTest::newRow("empty") << 0 << ""
                           << "#4080C0 #E0E0E0"
                           << "The clipboard holds no text.";
    QTest::newRow("no text") << 0 << QString() << "#4080C0 #E0E0E0"
                             << "The clipboard holds no text.";
}

void tst_WholeColor::paste()
{
    QFETCH(int, edited);
    QFETCH(QString, clipboard);
    QFETCH(QString, pair);
    QFETCH(QString, message);

    this->pair->setState(defaults(edited));
    this->clipboard.text = clipboard;
    this->clipboard.holdsText = !clipboard.isNull();
    PasteColor(*this->pair, services(), window).paste();
    QCOMPARE(hex(this->pair->background()) + u' ' + hex(this->pair->foreground()), pair);
    // Base channels and the edited colour stay.
    QCOMPARE(this->pair->baseChannel(0), 1);
    QCOMPARE(this->pair->edited(), edited);
    QCOMPARE(messages.messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(messages.messages[0].text, message);
        QCOMPARE(messages.messages[0].title, QStringLiteral("Paste color"));
        QCOMPARE(messages.messages[0].icon, message.startsWith(u"The color was pasted")
                                                ? platform::MessageIcon::Information
                                                : platform::MessageIcon::Exclamation);
    }
}

void tst_WholeColor::swapKeepsEachBaseChannelAndIsOneStep()
{
    PairCommands commands(*pair, services(), window);
    commands.swap();
    QCOMPARE(pair->state(), (PairState{{{{qRgb(224, 224, 224), 2}, {qRgb(64, 128, 192), 1}}}, 0}));
    commands.undo();
    QCOMPARE(pair->state(), defaults());
    commands.redo();
    QCOMPARE(pair->background(), qRgb(224, 224, 224));
}

void tst_WholeColor::nearestPassing_data()
{
    QTest::addColumn<QRgb>("other");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QString>("edited"); // empty: no colour reaches it, and a box says so

    // The defaults already have 3.13:1; nothing moves.
    QTest::newRow("already passes") << qRgb(224, 224, 224) << 3.0 << "#4080C0";
    QTest::newRow("moves to the nearest with 4.5:1") << qRgb(224, 224, 224) << 4.5 << "#3464A8";
    QTest::newRow("nothing reaches 7:1 against mid grey") << qRgb(119, 119, 119) << 7.0 << "";
}

void tst_WholeColor::nearestPassing()
{
    QFETCH(QRgb, other);
    QFETCH(double, threshold);
    QFETCH(QString, edited);

    pair->setColor(1, other);
    PairCommands(*pair, services(), window).moveToNearestPassing(threshold);
    QCOMPARE(hex(pair->background()), edited.isEmpty() ? QStringLiteral("#4080C0") : edited);
    QCOMPARE(messages.messages.size(), edited.isEmpty() ? 1 : 0);
    if (edited.isEmpty()) {
        QCOMPARE(messages.messages[0].text, QStringLiteral("No color reaches 7:1 against this color."));
        QCOMPARE(messages.messages[0].title, QStringLiteral("Contrast"));
        QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Information);
    }
}

QTEST_MAIN(tst_WholeColor)
#include "tst_wholecolor.moc"
