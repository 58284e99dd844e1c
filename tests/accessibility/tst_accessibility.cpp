// SPDX-License-Identifier: MIT
#include "accessibility/accessibility.h"
#include "accessibility/picktexts.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

#include <QAccessible>
#include <QFrame>
#include <QSignalSpy>
#include <QTest>

namespace {

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QList<QAccessibleInterface *> related(QObject *object, QAccessible::Relation relation)
{
    QList<QAccessibleInterface *> found;
    for (const auto &[other, kind] : interfaceOf(object)->relations(relation))
        found << other;
    return found;
}

QString textOf(QObject *object)
{
    return interfaceOf(object)->textInterface()->text(0, -1);
}

} // namespace

// What a screen reader reads of our own widgets, asked of their interfaces as the AT-SPI bridge asks.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { accessibility::install(); }

    void planeName_data();
    void planeName();
    void pickedText();
    void contrastText_data();
    void contrastText();
    void readoutReadsCaptionValueAndUnit_data();
    void readoutReadsCaptionValueAndUnit();
    void linkAndButtonPress();
    void containers();
};

void tst_Accessibility::planeName_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("name");
    QTest::newRow("red") << 0 << 0 << "Colour plane: red 0; blue across, green down";
    QTest::newRow("green") << 1 << 128 << "Colour plane: green 128; blue across, red down";
    QTest::newRow("blue") << 2 << 255 << "Colour plane: blue 255; green across, red down";
}

void tst_Accessibility::planeName()
{
    QFETCH(int, channel);
    QFETCH(int, value);
    QFETCH(QString, name);
    QCOMPARE(accessibility::planeName(channel, value), name);
}

void tst_Accessibility::contrastText_data()
{
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QRgb>("foreground");
    QTest::addColumn<QString>("text");
    QTest::newRow("black on white") << qRgb(255, 255, 255) << qRgb(0, 0, 0)
                                    << "contrast ratio 21.00:1, AA normal text: pass";
    QTest::newRow("just failing") << qRgb(255, 255, 255) << qRgb(0x77, 0x77, 0x77)
                                  << "contrast ratio 4.47:1, AA normal text: fail";
}

void tst_Accessibility::contrastText()
{
    QFETCH(QRgb, background);
    QFETCH(QRgb, foreground);
    QFETCH(QString, text);
    QCOMPARE(accessibility::contrastText(background, foreground), text);
}

void tst_Accessibility::pickedText()
{
    QCOMPARE(accessibility::pickedText(qRgb(64, 128, 10)), "Picked #40800A: red 64, green 128, blue 10");
}

void tst_Accessibility::readoutReadsCaptionValueAndUnit_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value"); // as the program sets it
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("channel") << "Red "
                             << "64"
                             << "decimal"
                             << "Red 64 decimal"
                             << "64";
    QTest::newRow("HTML form") << "Background color (hexadecimal)"
                               << "#4080C0" << QString() << "Background color (hexadecimal) #4080C0"
                               << "#4080C0";
    // The label shows one "&", not an access key.
    QTest::newRow("Visual Basic form")
        << "Foreground color (Visual Basic)"
        << "&&HC08040" << QString() << "Foreground color (Visual Basic) &HC08040"
        << "&HC08040";
}

void tst_Accessibility::readoutReadsCaptionValueAndUnit()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget window;
    auto *captionLabel = new CaptionLabel(&window);
    auto *readout = new CaptionLabel(&window);
    captionLabel->setCaption(caption);
    readout->setCaption(QStringLiteral("0"));
    accessibility::setReadout(*readout, *captionLabel, unit);
    readout->setCaption(value);

    QAccessibleInterface *readoutInterface = interfaceOf(readout);
    QCOMPARE(readoutInterface->role(), QAccessible::StaticText);
    QCOMPARE(readoutInterface->text(QAccessible::Name), name);
    QCOMPARE(textOf(readout), text);
    QCOMPARE(readoutInterface->textInterface()->characterCount(), text.size());
    QCOMPARE(related(readout, QAccessible::Label), QList{interfaceOf(captionLabel)});
    QCOMPARE(related(captionLabel, QAccessible::Labelled), QList{readoutInterface});
    // The name follows the caption, which changes with the colour being edited.
    captionLabel->setCaption(QStringLiteral("Blue"));
    QVERIFY(readoutInterface->text(QAccessible::Name).startsWith(QStringLiteral("Blue ")));
}

void tst_Accessibility::linkAndButtonPress()
{
    QWidget window;
    auto *link = new CaptionLabel(&window);
    link->setCaption(QString::fromUtf8("Copyright \u00A9 2026 Quenby Systems"));
    auto *picture = new PictureBox(&window);
    QCOMPARE(interfaceOf(link)->role(), QAccessible::StaticText);
    QCOMPARE(interfaceOf(picture)->role(), QAccessible::Graphic);
    QVERIFY(!interfaceOf(picture)->state().checkable);

    accessibility::setLink(*link);
    accessibility::setButton(*picture);
    accessibility::setChecked(*picture, true);
    QCOMPARE(interfaceOf(link)->role(), QAccessible::Link);
    QCOMPARE(interfaceOf(link)->text(QAccessible::Name), link->text());
    QCOMPARE(interfaceOf(picture)->role(), QAccessible::Button);
    QVERIFY(interfaceOf(picture)->state().checkable);
    QVERIFY(interfaceOf(picture)->state().checked);
    accessibility::setChecked(*picture, false);
    QVERIFY(!interfaceOf(picture)->state().checked);

    QSignalSpy linkClicks(link, &CaptionLabel::clicked);
    QSignalSpy pictureClicks(picture, &PictureBox::clicked);
    for (QWidget *pressed : {static_cast<QWidget *>(link), static_cast<QWidget *>(picture)}) {
        QAccessibleActionInterface *actions = interfaceOf(pressed)->actionInterface();
        QCOMPARE(actions->actionNames().constFirst(), QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(linkClicks.size(), 1);
    QCOMPARE(pictureClicks.size(), 1);
}

void tst_Accessibility::containers()
{
    QWidget window;
    window.resize(200, 100);
    auto *frame = new QFrame(&window);
    auto *plainFrame = new QFrame(&window);
    accessibility::setWindow(window);
    accessibility::setGrouping(*frame, QStringLiteral("Base value"));
    QCOMPARE(interfaceOf(&window)->role(), QAccessible::Window);
    QCOMPARE(interfaceOf(frame)->role(), QAccessible::Grouping);
    QCOMPARE(interfaceOf(frame)->text(QAccessible::Name), "Base value");
    QCOMPARE(interfaceOf(plainFrame)->role(), QAccessible::Border);

    // Children wholly outside a clipping container are not read; one that shows in part is.
    auto *box = new QWidget(&window);
    box->setGeometry(0, 0, 100, 50);
    accessibility::setShownChildrenOnly(*box);
    QList<QWidget *> rows;
    for (int top : {0, 40, 50, 90}) {
        rows << new QWidget(box);
        rows.constLast()->setGeometry(0, top, 100, 20);
    }
    QAccessibleInterface *boxInterface = interfaceOf(box);
    QCOMPARE(boxInterface->childCount(), 2);
    QCOMPARE(boxInterface->child(1), interfaceOf(rows[1]));
    QCOMPARE(boxInterface->indexOfChild(interfaceOf(rows[2])), -1);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
