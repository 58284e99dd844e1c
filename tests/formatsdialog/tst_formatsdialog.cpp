// SPDX-License-Identifier: MIT
#include "copyas/copyas.h"
#include "formatsdialog/formatsdialog.h"
#include "support/testservices.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class tst_FormatsDialog : public QObject, private TestServices
{
    Q_OBJECT

private slots:
    void init()
    {
        pair = std::make_unique<ColorPair>();
        pair->setState({{{{qRgb(64, 128, 192), 1}, {qRgb(224, 224, 224), 2}}}, 0});
        copyAs = std::make_unique<CopyAs>(*pair, services(), window);
        dialog = std::make_unique<FormatsDialog>(*copyAs, *pair, &window);
        dialog->show();
    }
    void cleanup() { dialog.reset(); }

    void previewAsTyped_data();
    void previewAsTyped();
    void previewFollowsTheColours();
    void addAndRemove();
    void fullListTakesNoMore();
    void longPreviewEndsInAnEllipsis();

private:
    template <typename T = QWidget> T *control(const char *name) const
    {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QString preview() const { return control<QLabel>("lblPreview")->text(); }
    bool canAdd() const { return control<QPushButton>("cmdAdd")->isEnabled(); }
    void type(const QString &text)
    {
        auto *box = control<QLineEdit>("txbTemplate");
        box->clear();
        QTest::keyClicks(box, text);
    }

    QWidget window;
    std::unique_ptr<ColorPair> pair;
    std::unique_ptr<CopyAs> copyAs;
    std::unique_ptr<FormatsDialog> dialog;
};

void tst_FormatsDialog::previewAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<bool>("addable");

    QTest::newRow("the text it gives") << "{r}-{fg.HEX}"
                                       << "Gives: 64-#E0E0E0" << true;
    QTest::newRow("an unknown placeholder is named") << "{r} {red}"
                                                     << "Unknown placeholder {red}" << false;
    QTest::newRow("an open brace is shown")
        << "{r"
        << "The { at character 1 is not closed (write {{ for a brace)" << false;
    QTest::newRow("nothing typed") << ""
                                   << "" << false;
    QTest::newRow("one character too many is refused, not cut")
        << QString(501, u'x') << "A format holds at most 500 characters; this one has 501." << false;
}

void tst_FormatsDialog::previewAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, preview);
    QFETCH(bool, addable);
    type(typed);
    QCOMPARE(this->preview(), preview);
    QCOMPARE(canAdd(), addable);
    // Enter adds only what can be added.
    QTest::keyClick(control("txbTemplate"), Qt::Key_Return);
    QCOMPARE(copyAs->templates(), addable ? QStringList{typed} : QStringList{});
}

void tst_FormatsDialog::previewFollowsTheColours()
{
    type(QStringLiteral("{hex}"));
    pair->setEditedColor(qRgb(1, 2, 3));
    QCOMPARE(preview(), QStringLiteral("Gives: #010203"));
}

void tst_FormatsDialog::addAndRemove()
{
    type(QStringLiteral("{hex}"));
    QTest::mouseClick(control("cmdAdd"), Qt::LeftButton);
    type(QStringLiteral("{r}"));
    QTest::keyClick(control("txbTemplate"), Qt::Key_Return);
    QCOMPARE(copyAs->templates(), (QStringList{"{hex}", "{r}"}));
    QCOMPARE(control<QLineEdit>("txbTemplate")->text(), QString());
    type(QStringLiteral("{r}"));
    QVERIFY(!canAdd());
    QCOMPARE(preview(), QStringLiteral("This format is in your list already."));

    auto *list = control<QListWidget>("lstTemplates");
    QCOMPARE(list->count(), 2);
    QVERIFY(!control("cmdRemove")->isEnabled());
    list->setCurrentRow(0);
    QTest::mouseClick(control("cmdRemove"), Qt::LeftButton);
    QCOMPARE(copyAs->templates(), QStringList{"{r}"});
    QCOMPARE(list->item(0)->text(), QStringLiteral("{r}"));
}

void tst_FormatsDialog::fullListTakesNoMore()
{
    copyAs->setTemplates(QStringList(50, QStringLiteral("{r}")));
    type(QStringLiteral("{g}"));
    QVERIFY(!canAdd());
    QCOMPARE(preview(), QStringLiteral("There is room for 50 formats."));
}

void tst_FormatsDialog::longPreviewEndsInAnEllipsis()
{
    type(QString(QStringLiteral("{hex}")).repeated(80));
    const auto *label = control<QLabel>("lblPreview");
    const QStringList lines = preview().split(u'\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(QStringLiteral("Gives:")));
    QVERIFY(lines[1].endsWith(QChar(0x2026)));
    for (const QString &line : lines)
        QVERIFY(label->fontMetrics().horizontalAdvance(line) <= label->width());
}

QTEST_MAIN(tst_FormatsDialog)
#include "tst_formatsdialog.moc"
