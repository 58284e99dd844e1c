// SPDX-License-Identifier: MIT
#include "copyas/copyas.h"
#include "support/testservices.h"

#include <QMenu>
#include <QTest>
#include <QWidget>

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";

} // namespace

class tst_CopyAs : public QObject, private TestServices
{
    Q_OBJECT

private slots:
    void init()
    {
        pair = std::make_unique<ColorPair>();
        pair->setState({{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 0});
        registry = FakeRegistry();
        clipboard = RecordingClipboard();
        messages.messages.clear();
    }

    void listsEveryFormThenTheTemplates();
    void choosingOneCopiesItWithoutAConfirmation_data();
    void choosingOneCopiesItWithoutAConfirmation();
    void aRefusedClipboardIsTold();
    void templatesComeFromTheStoreAndGoBack();

private:
    QStringList entries(CopyAs &copyAs)
    {
        copyAs.refresh();
        QStringList texts;
        for (const QAction *action : copyAs.menu()->actions())
            texts << (action->isSeparator() ? QStringLiteral("-")
                      : action->isEnabled() ? action->text()
                                            : u'(' + action->text() + u')');
        return texts;
    }
    QAction *entry(CopyAs &copyAs, const QString &text)
    {
        copyAs.refresh();
        for (QAction *action : copyAs.menu()->actions()) {
            if (action->text() == text)
                return action;
        }
        qFatal("no entry %s", qPrintable(text));
    }

    QWidget window;
    std::unique_ptr<ColorPair> pair;
};

// Each entry shows the text it copies, with the form's short name on the right ("&" doubled so that it
// shows); a template that an edited store spoiled stays, disabled, saying what is wrong.
void tst_CopyAs::listsEveryFormThenTheTemplates()
{
    CopyAs copyAs(*pair, services(), window);
    copyAs.setTemplates({"{bg.hex} on {fg.HEX}", "x\t{red}", QString(70, u'y')});
    const QStringList shown = entries(copyAs);
    QCOMPARE(shown.size(), 20 + 1 + 3);
    QCOMPARE(shown.first(), QStringLiteral("#4080c0\thex"));
    QCOMPARE(shown[12], QStringLiteral("&&HC08040\tvb"));
    QCOMPARE(shown[17], QStringLiteral("Color(red: 0.251, green: 0.502, blue: 0.753)\tswift"));
    QCOMPARE(shown.last(), QString(60, u'y') + QStringLiteral("\u2026"));
    QCOMPARE(shown.mid(20, 3), (QStringList{"-", "#4080c0 on #E0E0E0", "(Unknown placeholder {red})"}));

    // The colour being edited, whichever it is.
    pair->setState({{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 1});
    QCOMPARE(entries(copyAs).first(), QStringLiteral("#e0e0e0\thex"));
}

void tst_CopyAs::choosingOneCopiesItWithoutAConfirmation_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("copied");
    QTest::newRow("the Visual Basic form, one &") << "&&HC08040\tvb"
                                                  << "&HC08040";
    QTest::newRow("a template") << "64 #E0E0E0"
                                << "64 #E0E0E0";
}

void tst_CopyAs::choosingOneCopiesItWithoutAConfirmation()
{
    QFETCH(QString, entry);
    QFETCH(QString, copied);
    CopyAs copyAs(*pair, services(), window);
    copyAs.setTemplates({"{r} {fg.HEX}"});
    this->entry(copyAs, entry)->trigger();
    QCOMPARE(clipboard.text, copied);
    QCOMPARE(clipboard.calls, (QStringList{"clear", "setText"}));
    QVERIFY(messages.messages.isEmpty());
}

void tst_CopyAs::aRefusedClipboardIsTold()
{
    CopyAs copyAs(*pair, services(), window);
    clipboard.failSetText = true;
    entry(copyAs, QStringLiteral("#4080c0\thex"))->trigger();
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, clipboard.failure);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Error"));
}

void tst_CopyAs::templatesComeFromTheStoreAndGoBack()
{
    registry.keys[kKey]["Formats"] = QByteArray("{r}\n\\u00b0{g}\n") + '\0';
    CopyAs copyAs(*pair, services(), window);
    QCOMPARE(copyAs.templates(), (QStringList{"{r}", QStringLiteral("\u00B0{g}")}));
    QCOMPARE(entries(copyAs).mid(21), (QStringList{"64", QStringLiteral("\u00B0128")}));
    copyAs.setTemplates({"{b}"});
    QCOMPARE(copyAs.savedValue(), std::string("{b}\n"));
}

QTEST_MAIN(tst_CopyAs)
#include "tst_copyas.moc"
