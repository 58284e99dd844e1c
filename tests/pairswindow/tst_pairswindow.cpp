// SPDX-License-Identifier: MIT
#include "pairs/pairformats.h"
#include "pairs/pairstore.h"
#include "pairswindow/pairmatrixmodel.h"
#include "pairswindow/pairmatrixview.h"
#include "pairswindow/pairsplacement.h"
#include "support/mainwindowfixture.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace {

const QByteArray kKey = "Software\\Quenby Systems\\TVK";
// Two pairs as an earlier run stored them.
const QByteArray kTwoPairs = "ffffff 0 222222 1 Body text\n0645ad 2 ffffff 0 Links\n";

} // namespace

// The "Color pairs" window driven with keys, one test for each of its actions, over a main window wired to
// test doubles; what the list, the names and the formats do is tested window-free beside them.
class tst_PairsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { f = std::make_unique<MainWindowFixture>(); }
    void cleanup() { f.reset(); }

    void ctrlDAddsTheCurrentPairFromEitherWindow();
    void enterAndDoubleClickLoadAPairAsOneUndoStep();
    void f2RenamesWithTheNameTrimmed();
    void deleteRemovesAndCtrlZBringsItBack();
    void altArrowsMoveARow();
    void typingFiltersAndEscapeClearsThenCloses();
    void exportAndImportThroughTheDialogs();
    void aRefusedSaveChangesNothingAndIsTold();
    void aListChangedElsewhereIsShownBeforeARowIsChanged();
    void anAddIsMadeAgainOnWhatAnotherProgramStoredMeanwhile();
    void currentPairKeepsUpWithTheColours();
    void atItsSmallestItShowsEverythingWholeAndTabReadsInOrder();
    void screenReadersReadTheRows();
    void ctrlMShowsEveryForegroundAgainstEveryBackground();
    void matrixHeadersAreAsLargeAsTheTablesOwn_data();
    void matrixHeadersAreAsLargeAsTheTablesOwn();
    void placeAndSizeAreRemembered();
    void placement_data();
    void placement();

private:
    void start(const QByteArray &pairs = {})
    {
        if (!pairs.isNull())
            f->registry.keys[kKey]["Pairs"] = pairs + '\0';
        f->startActive();
    }
    QByteArray stored(const QByteArray &name = "Pairs") const
    {
        QByteArray value = f->registry.keys.value(kKey).value(name);
        value.chop(1);
        return value;
    }
    // Keys go to the focused control of the active window, as the window system sends them.
    void keys(QKeyCombination combination)
    {
        QWidget *target =
            QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }
    void type(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    QWidget *window() const { return f->window->findChild<QWidget *>(QStringLiteral("frmPairs")); }
    QTableView *table() const { return f->control<QTableView>(QStringLiteral("lstPairs")); }
    void open()
    {
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
        QVERIFY(window() && window()->isVisible());
        // The main window's activation counts for its own windows too; this waits for the window itself.
        QTRY_COMPARE(QApplication::activeWindow(), window());
    }
    // The rows as the window shows them: name, sample, ratio, AA, AAA.
    QStringList rows() const
    {
        QStringList shown;
        const QAbstractItemModel *model = table()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
            shown << cells.join(u'|');
        }
        return shown;
    }
    QString currentName() const { return table()->currentIndex().siblingAtColumn(0).data().toString(); }
    void selectRow(int row) { table()->setCurrentIndex(table()->model()->index(row, 0)); }

    std::unique_ptr<MainWindowFixture> f;
};

void tst_PairsWindow::ctrlDAddsTheCurrentPairFromEitherWindow()
{
    start();
    keys(Qt::CTRL | Qt::Key_D);
    QCOMPARE(stored(), QByteArray("4080c0 1 e0e0e0 2 Pair 1\n"));
    QVERIFY(!window());

    // The menu's entry opens the window, which lists the pair with its ratio and marks.
    QAction *entry = nullptr;
    for (QAction *action : f->control<QMenu>(QStringLiteral("mnuContext"))->actions()) {
        if (action->text() == u"Color pairs")
            entry = action;
    }
    QVERIFY(entry);
    entry->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), window());
    QCOMPARE(window()->windowTitle(), QStringLiteral("Color pairs"));
    QVERIFY(entry->isChecked());
    QCOMPARE(rows(), (QStringList{QString::fromUtf8("Pair 1|Aa|3.13:1|\u2717|\u2717")}));

    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_X);
    keys(Qt::CTRL | Qt::Key_D);
    QCOMPARE(stored(), QByteArray("4080c0 1 e0e0e0 2 Pair 1\n4080c0 1 e0e0e0 2 Pair 2\n"));
    QCOMPARE(currentName(), QStringLiteral("Pair 2"));
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_P);
    QVERIFY(!window()->isVisible());
    QVERIFY(!entry->isChecked());
}

void tst_PairsWindow::enterAndDoubleClickLoadAPairAsOneUndoStep()
{
    start(kTwoPairs);
    open();
    selectRow(1);
    keys(Qt::Key_Return);
    // The background is edited: its channels show, with its base channel.
    QCOMPARE(f->channels(), (QStringList{"6", "69", "173"}));
    QVERIFY(f->control<QRadioButton>(QStringLiteral("optBlue"))->isChecked());
    QCOMPARE(f->window->colorPair().foreground(), 0xFFFFFFFFu);
    QCOMPARE(f->window->colorPair().baseChannel(1), 0);

    const QRect first = table()->visualRect(table()->model()->index(0, 0));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(f->channels(), (QStringList{"255", "255", "255"}));
    QVERIFY(f->control<QRadioButton>(QStringLiteral("optRed"))->isChecked());

    f->window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), f->window.get());
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f->channels(), (QStringList{"6", "69", "173"}));
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(f->channels(), (QStringList{"64", "128", "192"}));
}

// The matrix of the two pairs: #222222 and #ffffff against #ffffff and #0645ad; Enter loads a cell's pair,
// a combination no pair has, with the base channels of the pairs its colours come from.
void tst_PairsWindow::ctrlMShowsEveryForegroundAgainstEveryBackground()
{
    start(kTwoPairs);
    open();
    keys(Qt::CTRL | Qt::Key_M);
    auto *matrix = f->control<QTableView>(QStringLiteral("tblMatrix"));
    QVERIFY(matrix->isVisible() && !table()->isVisible());
    QCOMPARE(QApplication::focusWidget(), matrix);
    QStringList cells;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            cells << matrix->model()->index(r, c).data().toString();
    QCOMPARE(cells, QString::fromUtf8("15.90 \u2713|1.86 \u2717|1.00 \u2717|8.52 \u2713").split(u'|'));
    QCOMPARE(matrix->model()->index(0, 1).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral(
                 "Foreground #222222 on background #0645AD: Contrast ratio 1.86:1, AA normal text: fail"));
    // A failing cell's figures lie on a hatched ground, a passing cell's on a plain one.
    const QImage shown = matrix->viewport()->grab().toImage();
    const auto strip = [&](int column) {
        const QRect cell = matrix->visualRect(matrix->model()->index(0, column));
        QSet<QRgb> colours;
        for (int x = cell.left() + 2; x < cell.left() + 12; ++x)
            colours << shown.pixel(x * shown.width() / matrix->viewport()->width(),
                                   (cell.bottom() - 3) * shown.height() / matrix->viewport()->height());
        return colours.size();
    };
    QCOMPARE(strip(0), 1);
    QVERIFY(strip(1) > 1);

    // A pair added while the matrix shows (#4080c0 on #e0e0e0) brings new figures; every cell's sample is
    // its background and its figures the same picture as any cell with the same text, not another's.
    keys(Qt::CTRL | Qt::Key_D);
    QCOMPARE(matrix->model()->rowCount(), 3);
    const QImage grown = matrix->viewport()->grab().toImage();
    QList<std::pair<QString, QImage>> figures;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QModelIndex index = matrix->model()->index(r, c);
            const QRect cell = matrix->visualRect(index);
            QCOMPARE(grown.pixel(cell.left() + 3, cell.top() + 3),
                     index.data(PairMatrixModel::BackgroundColorRole).value<QRgb>());
            figures.append(
                {index.data().toString(), grown.copy(cell.left() + 2, cell.bottom() - cell.height() / 3,
                                                     cell.width() - 4, cell.height() / 3 - 2)});
        }
    }
    for (const auto &[text, picture] : figures)
        for (const auto &[otherText, otherPicture] : figures)
            QCOMPARE(picture == otherPicture, text == otherText);
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(matrix->model()->rowCount(), 2);

    keys(Qt::Key_Right);
    keys(Qt::Key_Return);
    QCOMPARE(f->window->colorPair().background(), 0xFF0645ADu);
    QCOMPARE(f->window->colorPair().baseChannel(0), 2);
    QCOMPARE(f->window->colorPair().foreground(), 0xFF222222u);
    QCOMPARE(f->window->colorPair().baseChannel(1), 1);

    f->click(QStringLiteral("cmdCopyCsv"));
    QCOMPARE(f->clipboard.text,
             QStringLiteral("Foreground \\ background,#ffffff,#0645ad\r\n"
                            "#222222,15.90 pass,1.86 fail\r\n#ffffff,1.00 fail,8.52 pass\r\n"));
    keys(Qt::CTRL | Qt::Key_M);
    QVERIFY(table()->isVisible());
}

void tst_PairsWindow::matrixHeadersAreAsLargeAsTheTablesOwn_data()
{
    QTest::addColumn<QList<QRgb>>("colours");
    QTest::newRow("one") << QList<QRgb>{0x000000};
    QTest::newRow("widest last") << QList<QRgb>{0x111111, 0x1f1f1f, 0xdddddd};
    QTest::newRow("widest first") << QList<QRgb>{0xdddddd, 0x111111, 0x1f1f1f};
    QTest::newRow("digits and letters") << QList<QRgb>{0x0645ad, 0xffffff, 0x222222, 0x4080c0, 0xe0e0e0};
}

// The matrix's headers measure only their widest section, where a table's own headers measure them all;
// they look and behave as a table's own, the current cell's row and column shown in bold.
void tst_PairsWindow::matrixHeadersAreAsLargeAsTheTablesOwn()
{
    QFETCH(QList<QRgb>, colours);
    NamedPairs pairs;
    for (int i = 0; i < colours.size(); ++i)
        pairs.append({QStringLiteral("Pair %1").arg(i),
                      {0xFF000000u | colours[i], 0},
                      {0xFF000000u | colours[colours.size() - 1 - i], 1}});
    PairMatrixView matrix;
    matrix.resize(600, 300);
    matrix.setPairs(pairs);
    matrix.show();
    const QTableView table;
    for (QHeaderView *header : {matrix.horizontalHeader(), matrix.verticalHeader()}) {
        QHeaderView &own =
            *(header->orientation() == Qt::Horizontal ? table.horizontalHeader() : table.verticalHeader());
        QHeaderView tables(header->orientation());
        tables.setSectionsClickable(own.sectionsClickable());
        tables.setHighlightSections(own.highlightSections());
        tables.setFont(header->font());
        tables.setModel(matrix.model());
        tables.setSelectionModel(matrix.selectionModel());
        QCOMPARE(header->sizeHint(), tables.sizeHint());
        tables.setSectionResizeMode(QHeaderView::Fixed);
        tables.setDefaultSectionSize(header->defaultSectionSize());
        tables.resize(header->size());
        const auto picture = [](QWidget &w) {
            return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(picture(*header), picture(tables));
        QCOMPARE(header->sectionsClickable(), own.sectionsClickable());
    }
}

void tst_PairsWindow::f2RenamesWithTheNameTrimmed()
{
    start(kTwoPairs);
    open();
    selectRow(1);
    keys(Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    type(QStringLiteral("  Visited links  "));
    keys(Qt::Key_Return);
    // The editor gives its text back once the key has been handled.
    QTRY_COMPARE(stored(), QByteArray("ffffff 0 222222 1 Body text\n0645ad 2 ffffff 0 Visited links\n"));
    QCOMPARE(currentName(), QStringLiteral("Visited links"));
    // The Enter that confirms the name does not also load the pair.
    QCOMPARE(f->channels(), (QStringList{"64", "128", "192"}));

    // A name of blanks only is not taken.
    keys(Qt::Key_F2);
    QApplication::focusWidget()->setProperty("text", QStringLiteral("   "));
    keys(Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), table());
    QCOMPARE(currentName(), QStringLiteral("Visited links"));
    QVERIFY(f->messages.messages.isEmpty());
}

void tst_PairsWindow::deleteRemovesAndCtrlZBringsItBack()
{
    start(kTwoPairs);
    open();
    selectRow(0);
    keys(Qt::Key_Delete);
    QVERIFY(f->messages.messages.isEmpty());
    QCOMPARE(stored(), QByteArray("0645ad 2 ffffff 0 Links\n"));
    QCOMPARE(currentName(), QStringLiteral("Links"));
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(stored(), kTwoPairs);
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QCOMPARE(stored(), QByteArray("0645ad 2 ffffff 0 Links\n"));
}

void tst_PairsWindow::altArrowsMoveARow()
{
    start(kTwoPairs + "000000 0 ffffff 0 Code\n");
    open();
    selectRow(0);
    keys(Qt::ALT | Qt::Key_Down);
    keys(Qt::ALT | Qt::Key_Down);
    QCOMPARE(stored(),
             QByteArray("0645ad 2 ffffff 0 Links\n000000 0 ffffff 0 Code\nffffff 0 222222 1 Body text\n"));
    QCOMPARE(currentName(), QStringLiteral("Body text"));
    keys(Qt::ALT | Qt::Key_Up);
    QCOMPARE(stored(),
             QByteArray("0645ad 2 ffffff 0 Links\nffffff 0 222222 1 Body text\n000000 0 ffffff 0 Code\n"));
}

void tst_PairsWindow::typingFiltersAndEscapeClearsThenCloses()
{
    start(kTwoPairs + "000000 0 ffffff 0 Visited link\n");
    open();
    type(QStringLiteral("LINK"));
    QCOMPARE(f->control<QLineEdit>(QStringLiteral("txbFilter"))->text(), QStringLiteral("LINK"));
    QCOMPARE(rows().size(), 2);
    QCOMPARE(currentName(), QStringLiteral("Links"));
    // The keys that act on rows still work while a filter is typed; Enter loads the row it leaves.
    keys(Qt::Key_Down);
    keys(Qt::Key_Return);
    QCOMPARE(f->channels(), (QStringList{"0", "0", "0"}));
    keys(Qt::Key_Backspace);
    QCOMPARE(f->control<QLineEdit>(QStringLiteral("txbFilter"))->text(), QStringLiteral("LIN"));
    keys(Qt::Key_Escape);
    QCOMPARE(rows().size(), 3);
    QVERIFY(window()->isVisible());
    keys(Qt::Key_Escape);
    QVERIFY(!window()->isVisible());
}

void tst_PairsWindow::exportAndImportThroughTheDialogs()
{
    start(kTwoPairs);
    open();
    const QTemporaryDir folder;
    // A name without an extension gets the chosen filter's format.
    f->fileDialogs.savePath = folder.filePath(QStringLiteral("site"));
    f->fileDialogs.chosenFilter = 2;
    f->click(QStringLiteral("cmdExport"));
    QFile exported(folder.filePath(QStringLiteral("site.gpl")));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(),
             QByteArray("GIMP Palette\nName: Quenby Color Picker pairs\nColumns: 2\n#\n"
                        "255 255 255\tBody text background\n 34  34  34\tBody text foreground\n"
                        "  6  69 173\tLinks background\n255 255 255\tLinks foreground\n"));

    QFile other(folder.filePath(QStringLiteral("other.css")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(":root { --hero-fg: #fff; --accent: red; --hero-bg: #000; }\n");
    other.close();
    f->fileDialogs.openPath = other.fileName();
    f->click(QStringLiteral("cmdImport"));
    QCOMPARE(f->messages.messages.last().text, QStringLiteral("Imported 1 pair; 1 color had no partner."));
    QCOMPARE(stored(), kTwoPairs + "000000 1 ffffff 2 hero\n");
    QCOMPARE(currentName(), QStringLiteral("hero"));

    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(":root { --a-bg: #000; ");
    other.close();
    f->click(QStringLiteral("cmdImport"));
    QCOMPARE(f->messages.messages.last().text,
             QStringLiteral("other.css: not valid CSS: a '{' is not closed at line 1"));
    QCOMPARE(f->messages.messages.last().title, QStringLiteral("Cannot import color pairs"));
    QCOMPARE(stored(), kTwoPairs + "000000 1 ffffff 2 hero\n");
}

void tst_PairsWindow::aRefusedSaveChangesNothingAndIsTold()
{
    start(kTwoPairs);
    open();
    f->registry.writeFailure = platform::kErrorCantWrite;
    keys(Qt::CTRL | Qt::Key_D);
    QCOMPARE(f->messages.messages.size(), 1);
    QCOMPARE(f->messages.messages[0].title, QStringLiteral("Cannot save color pairs"));
    QVERIFY(f->messages.messages[0].text.startsWith(QStringLiteral("1013 Unable to write value.")));
    QCOMPARE(rows().size(), 2);
    keys(Qt::Key_Delete);
    QCOMPARE(rows().size(), 2);
    QCOMPARE(stored(), kTwoPairs);
    // A refused undo keeps its step for when the store takes it again.
    f->registry.writeFailure = 0;
    keys(Qt::Key_Delete);
    const QByteArray removed = stored();
    QCOMPARE(rows().size(), 1);
    f->registry.writeFailure = platform::kErrorCantWrite;
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(stored(), removed);
    f->registry.writeFailure = 0;
    keys(Qt::CTRL | Qt::Key_Z);
    QCOMPARE(stored(), kTwoPairs);
}

void tst_PairsWindow::aListChangedElsewhereIsShownBeforeARowIsChanged()
{
    start(kTwoPairs);
    open();
    selectRow(1);
    // Another program (--import-pairs, another copy of the program) stores a list of its own.
    f->registry.keys[kKey]["Pairs"] = "000000 0 ffffff 0 Other\n" + kTwoPairs + '\0';
    keys(Qt::Key_Delete);
    QCOMPARE(f->messages.messages.size(), 1);
    QCOMPARE(rows().size(), 3);
    QCOMPARE(stored(), "000000 0 ffffff 0 Other\n" + kTwoPairs);
    // Adding needs no row, and adds to what is stored.
    keys(Qt::CTRL | Qt::Key_D);
    QCOMPARE(stored(), "000000 0 ffffff 0 Other\n" + kTwoPairs + "4080c0 1 e0e0e0 2 Pair 1\n");
}

// Another program's import lands after the window read the list, as the window's own save begins: the
// pair is added to what that program stored, and a line that no version of the list reads stays.
void tst_PairsWindow::anAddIsMadeAgainOnWhatAnotherProgramStoredMeanwhile()
{
    start(kTwoPairs + "not a pair\n");
    open();
    f->registry.beforeSave = [this] {
        f->registry.beforeSave = nullptr;
        f->registry.keys[kKey]["Pairs"].prepend("000000 0 ffffff 0 Imported\n");
    };
    keys(Qt::CTRL | Qt::Key_D);
    QCOMPARE(stored(), "000000 0 ffffff 0 Imported\n" + kTwoPairs + "4080c0 1 e0e0e0 2 Pair 1\nnot a pair\n");
    QCOMPARE(rows().size(), 4);
}

void tst_PairsWindow::atItsSmallestItShowsEverythingWholeAndTabReadsInOrder()
{
    start(kTwoPairs);
    open();
    window()->resize(1, 1);
    QTRY_COMPARE(window()->size(), window()->minimumSize());
    for (const QPushButton *button : window()->findChildren<QPushButton *>())
        QVERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->objectName()));
    const auto *current = f->control<QLabel>(QStringLiteral("lblCurrent"));
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_X); // a ratio of 21.00:1, the longest
    f->window->colorPair().setColor(0, 0xFF000000u);
    f->window->colorPair().setColor(1, 0xFFFFFFFFu);
    QCOMPARE(current->text(), QString::fromUtf8("Current pair: 21.00:1, AA \u2713, AAA \u2713"));
    QVERIFY(current->width() >= current->fontMetrics().horizontalAdvance(current->text()));

    // The selected row is in the highlight colour while the list has the focus, grey otherwise.
    const auto selectedColour = [this] {
        const QRect name = table()->visualRect(table()->currentIndex());
        const QPoint row(name.right() - 2, name.center().y());
        return window()->grab().toImage().pixelColor(table()->viewport()->mapTo(window(), row));
    };
    QCOMPARE(QApplication::focusWidget(), table());
    QVERIFY(selectedColour().saturation() > 128);
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        keys(Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
        QCOMPARE(selectedColour().saturation() > 128, i == 10);
    }
    QCOMPARE(order, (QStringList{"cmdLoad", "cmdRename", "cmdRemove", "cmdMoveDown", "cmdImport", "cmdExport",
                                 "cmdClose", "cmdAdd", "txbFilter", "cmdMatrix", "lstPairs"}));
}

void tst_PairsWindow::currentPairKeepsUpWithTheColours()
{
    start();
    open();
    const auto *current = f->control<QLabel>(QStringLiteral("lblCurrent"));
    QCOMPARE(current->text(), QString::fromUtf8("Current pair: 3.13:1, AA \u2717, AAA \u2717"));
    f->window->colorPair().setColor(0, 0xFF000000u);
    QCOMPARE(current->text(), QString::fromUtf8("Current pair: 15.90:1, AA \u2713, AAA \u2713"));
}

void tst_PairsWindow::screenReadersReadTheRows()
{
    start(kTwoPairs);
    open();
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(table());
    QVERIFY(list && list->tableInterface());
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Color pairs"));
    QStringList read;
    for (int column = 0; column < 5; ++column)
        read << list->tableInterface()->cellAt(0, column)->text(QAccessible::Name);
    QCOMPARE(read, (QStringList{"Body text", "Foreground #222222 on background #FFFFFF",
                                "Contrast ratio 15.90:1", "AA normal text: pass", "AAA normal text: pass"}));
    // Every button says what it does and, where it has one, its key.
    for (const QPushButton *button : window()->findChildren<QPushButton *>()) {
        QAccessibleInterface *b = QAccessible::queryAccessibleInterface(const_cast<QPushButton *>(button));
        QVERIFY2(!b->text(QAccessible::Name).isEmpty(), qPrintable(button->objectName()));
    }
    QCOMPARE(window()->findChild<QPushButton *>(QStringLiteral("cmdRemove"))->accessibleDescription(),
             QStringLiteral("Del"));
}

// The window opens where it was closed, with its size, in this run and the next; a save keeps it too.
void tst_PairsWindow::placeAndSizeAreRemembered()
{
    start();
    open();
    window()->resize(500, 400);
    window()->move(30, 40);
    keys(Qt::Key_Escape);
    QCOMPARE(stored("PairsWindow"), QByteArray("30 40 500 400"));
    f->click(QStringLiteral("cmdSave"));
    QCOMPARE(stored("PairsWindow"), QByteArray("30 40 500 400"));

    const FakeRegistry saved = f->registry;
    f = std::make_unique<MainWindowFixture>();
    f->registry = saved;
    f->startActive();
    open();
    QCOMPARE(window()->pos(), QPoint(30, 40));
    QCOMPARE(window()->size(), QSize(500, 400));
    // It goes and comes with the main window, as when that shows the catalogue.
    f->window->hide();
    QVERIFY(!window()->isVisible());
    f->window->show();
    QVERIFY(window()->isVisible());
}

void tst_PairsWindow::placement_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QRect>("placed");

    // A 1280 x 800 screen with a 40-pixel panel at the bottom; the main window's frame at 100, 100, 625 x
    // 580; frames of 3 pixels with a 20-pixel title bar; the window of 440 x 480 inside.
    QTest::newRow("nothing saved: right of the main window") << "" << QRect(725, 100, 446, 503);
    QTest::newRow("as saved") << "20 30 500 400" << QRect(20, 30, 506, 423);
    QTest::newRow("partly off the screen: moved on") << "1000 700 500 400" << QRect(774, 337, 506, 423);
    QTest::newRow("larger than the screen: cut") << "0 0 2000 1000" << QRect(0, 0, 1280, 760);
    QTest::newRow("on a screen that is gone: beside again")
        << "3000 100 500 400" << QRect(725, 100, 446, 503);
    QTest::newRow("smaller than the window allows") << "20 30 100 400" << QRect(725, 100, 446, 503);
    QTest::newRow("not a place") << "20 30 500" << QRect(725, 100, 446, 503);
    QTest::newRow("not numbers") << "a b c d" << QRect(725, 100, 446, 503);
}

void tst_PairsWindow::placement()
{
    QFETCH(QString, saved);
    QFETCH(QRect, placed);
    const QMargins frame(3, 20, 3, 3);
    const QList<QRect> screens{QRect(0, 0, 1280, 760)};
    QCOMPARE(pairsplacement::place(pairsplacement::readSaved(saved, frame, QSize(360, 260)),
                                   QRect(100, 100, 625, 580), QSize(446, 503), screens),
             placed);
}

QTEST_MAIN(tst_PairsWindow)
#include "tst_pairswindow.moc"
