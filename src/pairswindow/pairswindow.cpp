// SPDX-License-Identifier: MIT
#include "pairswindow/pairswindow.h"

#include "accessibility/accessibility.h"
#include "contrast/contrast.h"
#include "model/colorpair.h"
#include "pairswindow/pairmatrixview.h"
#include "pairswindow/pairsbook.h"
#include "pairswindow/pairtablemodel.h"
#include "widgets/actionbutton.h"
#include "widgets/linetextbox.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The rows the list shows at the least.
constexpr int kLeastRows = 3;

void paintSample(QPainter &painter, const QRect &rect, QRgb background, QRgb foreground, const QFont &font)
{
    painter.fillRect(rect, QColor::fromRgb(background));
    painter.setPen(QColor::fromRgb(foreground));
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(rect, Qt::AlignCenter, QStringLiteral("Aa"));
}

// The current pair as a sample "Aa".
class SampleSwatch : public QWidget
{
public:
    using QWidget::QWidget;
    void setColors(QRgb background, QRgb foreground)
    {
        m_background = background;
        m_foreground = foreground;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        paintSample(painter, rect(), m_background, m_foreground, font());
    }

private:
    QRgb m_background = 0;
    QRgb m_foreground = 0;
};

// The sample column keeps the pair's own colours on the selected row too, inside the selection's border.
class SampleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        plain.backgroundBrush = Qt::NoBrush;
        QStyledItemDelegate::paint(painter, plain, QModelIndex());
        const QRgb background = index.data(Qt::BackgroundRole).value<QBrush>().color().rgb();
        const QRgb foreground = index.data(Qt::ForegroundRole).value<QBrush>().color().rgb();
        paintSample(*painter, option.rect.adjusted(3, 2, -3, -2), background, foreground, option.font);
    }
};

} // namespace

PairsWindow::PairsWindow(PairsBook &book, ColorPair &pair, QWidget *parent)
    : QWidget(parent, Qt::Window), m_book(book), m_pair(pair), m_model(new PairTableModel(book.list(), this))
{
    setObjectName(QStringLiteral("frmPairs"));
    setWindowTitle(QStringLiteral("Color pairs"));
    accessibility::setWindow(*this);

    auto *swatch = new SampleSwatch(this);
    picCurrent = swatch;
    picCurrent->setObjectName(QStringLiteral("picCurrent"));
    picCurrent->setFixedSize(44, 28);
    lblCurrent = new QLabel(this);
    lblCurrent->setObjectName(QStringLiteral("lblCurrent"));
    lblCurrent->setTextFormat(Qt::PlainText);
    // As wide as its longest text, so that the window's least width never cuts it.
    lblCurrent->setMinimumWidth(lblCurrent->fontMetrics().horizontalAdvance(
        QStringLiteral("Current pair: 21.00:1, AA \u2717, AAA \u2717")));

    txbFilter = new LineTextBox(this);
    txbFilter->setObjectName(QStringLiteral("txbFilter"));
    txbFilter->setTypingLimit(100);
    txbFilter->setAccessibleName(QStringLiteral("Filter by name"));
    txbFilter->setPlaceholderText(QStringLiteral("Type to filter by name"));
    txbFilter->setClearButtonEnabled(true);
    auto *lblFilter = new QLabel(QStringLiteral("&Filter:"), this);
    lblFilter->setObjectName(QStringLiteral("lblFilter"));
    lblFilter->setBuddy(txbFilter);

    lstPairs = new QTableView(this);
    lstPairs->setObjectName(QStringLiteral("lstPairs"));
    lstPairs->setAccessibleName(QStringLiteral("Color pairs"));
    lstPairs->setModel(m_model);
    lstPairs->setItemDelegateForColumn(PairTableModel::Sample, new SampleDelegate(lstPairs));
    lstPairs->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstPairs->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPairs->setTabKeyNavigation(false);
    lstPairs->setWordWrap(false);
    lstPairs->setShowGrid(false);
    lstPairs->verticalHeader()->hide();
    // Fixed sizes: a thousand rows are laid out without measuring any of them.
    lstPairs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstPairs->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    lstPairs->setMinimumHeight(lstPairs->horizontalHeader()->sizeHint().height() +
                               kLeastRows * lstPairs->verticalHeader()->defaultSectionSize() +
                               2 * lstPairs->frameWidth());
    QHeaderView *columns = lstPairs->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionResizeMode(PairTableModel::Name, QHeaderView::Stretch);
    for (const auto &[column, width] : {std::pair(PairTableModel::Sample, 56),
                                        {PairTableModel::Ratio, 76},
                                        {PairTableModel::AA, 44},
                                        {PairTableModel::AAA, 48}})
        columns->resizeSection(column, width);
    lstPairs->setContextMenuPolicy(Qt::ActionsContextMenu);
    tblMatrix = new PairMatrixView(this);
    tblMatrix->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_views = new QStackedWidget(this);
    m_views->addWidget(lstPairs);
    m_views->addWidget(tblMatrix);

    QAction *add = makeAction(QStringLiteral("&Add current pair"), {QKeySequence(Qt::CTRL | Qt::Key_D)},
                              &PairsWindow::addCurrent);
    m_load = makeAction(QStringLiteral("&Load"), {QKeySequence(Qt::Key_Return)}, &PairsWindow::loadCurrent);
    // Enter is the table's and the filter's own key; the entry only shows it.
    m_load->setShortcutContext(Qt::WidgetShortcut);
    m_rename = makeAction(QStringLiteral("Re&name"), {QKeySequence(Qt::Key_F2)}, &PairsWindow::renameCurrent);
    m_remove =
        makeAction(QStringLiteral("&Remove"), {QKeySequence(Qt::Key_Delete)}, &PairsWindow::removeCurrent);
    m_moveUp =
        makeAction(QStringLiteral("Move &up"), {QKeySequence(Qt::ALT | Qt::Key_Up)}, &PairsWindow::moveUp);
    m_moveDown = makeAction(QStringLiteral("Move &down"), {QKeySequence(Qt::ALT | Qt::Key_Down)},
                            &PairsWindow::moveDown);
    m_undo = makeAction(QStringLiteral("Und&o"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &PairsWindow::undo);
    m_redo = makeAction(QStringLiteral("R&edo"),
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                        &PairsWindow::redo);
    QAction *import = makeAction(QStringLiteral("&Import..."), {}, &PairsWindow::importPairs);
    QAction *exportAction = makeAction(QStringLiteral("E&xport..."), {}, &PairsWindow::exportPairs);
    QAction *close = makeAction(QStringLiteral("&Close"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
                                &QWidget::hide);
    m_matrix = new QAction(QStringLiteral("&Matrix"), this);
    m_matrix->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_matrix->setShortcutContext(Qt::WindowShortcut);
    m_matrix->setCheckable(true);
    connect(m_matrix, &QAction::toggled, this, &PairsWindow::showMatrix);
    QWidget::addAction(m_matrix);
    lstPairs->addAction(m_matrix);
    QAction *copyMarkdown = makeAction(QStringLiteral("Copy as Mar&kdown"), {}, &PairsWindow::copyMarkdown);
    QAction *copyCsv = makeAction(QStringLiteral("Copy as C&SV"), {}, &PairsWindow::copyCsv);
    for (QAction *matrixOnly : {copyMarkdown, copyCsv}) {
        lstPairs->removeAction(matrixOnly);
        tblMatrix->addAction(matrixOnly);
    }
    tblMatrix->addAction(m_load);
    tblMatrix->addAction(m_matrix);

    // Tab goes through the window in its reading order, line by line.
    QList<QWidget *> order;
    const auto inOrder = [&order](QWidget *w) {
        order << w;
        return w;
    };
    auto *top = new QHBoxLayout;
    top->addWidget(picCurrent);
    top->addWidget(lblCurrent, 1);
    top->addWidget(inOrder(actionButton(add, QStringLiteral("cmdAdd"))));
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(lblFilter);
    filterRow->addWidget(inOrder(txbFilter), 1);
    auto *matrixButton = actionButton(m_matrix, QStringLiteral("cmdMatrix"));
    matrixButton->setCheckable(true);
    connect(m_matrix, &QAction::toggled, matrixButton, &QPushButton::setChecked);
    filterRow->addWidget(inOrder(matrixButton));
    // Only one of the two views shows at a time; the hidden one is skipped by Tab.
    inOrder(lstPairs);
    inOrder(tblMatrix);
    m_rowButtons = new QWidget(this);
    auto *rowButtons = new QHBoxLayout(m_rowButtons);
    rowButtons->setContentsMargins(0, 0, 0, 0);
    rowButtons->addWidget(inOrder(actionButton(m_load, QStringLiteral("cmdLoad"))));
    rowButtons->addWidget(inOrder(actionButton(m_rename, QStringLiteral("cmdRename"))));
    rowButtons->addWidget(inOrder(actionButton(m_remove, QStringLiteral("cmdRemove"))));
    rowButtons->addWidget(inOrder(actionButton(m_moveUp, QStringLiteral("cmdMoveUp"))));
    rowButtons->addWidget(inOrder(actionButton(m_moveDown, QStringLiteral("cmdMoveDown"))));
    m_matrixButtons = new QWidget(this);
    auto *matrixButtons = new QHBoxLayout(m_matrixButtons);
    matrixButtons->setContentsMargins(0, 0, 0, 0);
    matrixButtons->addWidget(inOrder(actionButton(m_load, QStringLiteral("cmdLoadCell"))));
    matrixButtons->addWidget(inOrder(actionButton(copyMarkdown, QStringLiteral("cmdCopyMarkdown"))));
    matrixButtons->addWidget(inOrder(actionButton(copyCsv, QStringLiteral("cmdCopyCsv"))));
    matrixButtons->addStretch(1);
    m_matrixButtons->hide();
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(inOrder(actionButton(m_undo, QStringLiteral("cmdUndo"))));
    listButtons->addWidget(inOrder(actionButton(m_redo, QStringLiteral("cmdRedo"))));
    listButtons->addStretch(1);
    listButtons->addWidget(inOrder(actionButton(import, QStringLiteral("cmdImport"))));
    listButtons->addWidget(inOrder(actionButton(exportAction, QStringLiteral("cmdExport"))));
    listButtons->addWidget(inOrder(actionButton(close, QStringLiteral("cmdClose"))));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(filterRow);
    layout->addWidget(m_views, 1);
    layout->addWidget(m_rowButtons);
    layout->addWidget(m_matrixButtons);
    layout->addLayout(listButtons);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The window is never smaller than its texts and buttons need whole, from its first placing on.
    layout->activate();

    lstPairs->installEventFilter(this);
    tblMatrix->installEventFilter(this);
    txbFilter->installEventFilter(this);
    connect(txbFilter, &QLineEdit::textChanged, this, &PairsWindow::filterChanged);
    connect(txbFilter, &QLineEdit::returnPressed, this, &PairsWindow::loadCurrent);
    connect(lstPairs, &QAbstractItemView::doubleClicked, this, &PairsWindow::loadCurrent);
    connect(tblMatrix, &QAbstractItemView::doubleClicked, this, &PairsWindow::loadCurrent);
    connect(lstPairs->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PairsWindow::updateActions);
    connect(tblMatrix->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PairsWindow::updateActions);
    connect(m_model, &PairTableModel::renameRequested, &m_book, &PairsBook::rename);
    connect(&m_book, &PairsBook::listChanged, this, &PairsWindow::showList);
    connect(&m_pair, &ColorPair::changed, this, &PairsWindow::showCurrentPair);

    showCurrentPair();
    selectListRow(0);
    updateActions();
    showListFocus(false);
    lstPairs->setFocus();
}

QAction *PairsWindow::makeAction(const QString &text, const QList<QKeySequence> &keys,
                                 void (PairsWindow::*handler)())
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, handler);
    QWidget::addAction(action);
    lstPairs->addAction(action);
    return action;
}

void PairsWindow::showCurrentPair()
{
    const QRgb background = m_pair.shownColor(0);
    const QRgb foreground = m_pair.shownColor(1);
    static_cast<SampleSwatch *>(picCurrent)->setColors(background, foreground);
    const double ratio = contrast::contrastRatio(background, foreground);
    const auto mark = [ratio](double threshold) {
        return contrast::passes(ratio, threshold) ? QStringLiteral("\u2713") : QStringLiteral("\u2717");
    };
    const QString text = QStringLiteral("Current pair: %1:1, AA %2, AAA %3")
                             .arg(contrast::ratioFigure(ratio), mark(4.5), mark(7.0));
    if (lblCurrent->text() == text)
        return;
    lblCurrent->setText(text);
    picCurrent->setAccessibleName(QStringLiteral("Current pair: foreground %1 on background %2")
                                      .arg(contrast::hexText(foreground), contrast::hexText(background)));
}

void PairsWindow::showList()
{
    const qsizetype row = currentListRow();
    m_model->refresh();
    selectListRow(row);
    showMatrix(m_matrix->isChecked());
}

void PairsWindow::filterChanged()
{
    const qsizetype row = currentListRow();
    m_model->setFilter(txbFilter->text());
    selectListRow(row);
    showMatrix(m_matrix->isChecked());
}

void PairsWindow::showMatrix(bool shown)
{
    if (shown) {
        // The matrix is of the rows the filter leaves.
        NamedPairs pairs;
        for (int row = 0; row < m_model->rowCount(); ++row)
            pairs << m_book.list().at(m_model->listRow(row));
        tblMatrix->setPairs(pairs);
    }
    const bool focused = m_views->currentWidget()->hasFocus();
    m_views->setCurrentWidget(shown ? static_cast<QWidget *>(tblMatrix) : lstPairs);
    m_rowButtons->setVisible(!shown);
    m_matrixButtons->setVisible(shown);
    if (focused)
        m_views->currentWidget()->setFocus();
    updateActions();
}

void PairsWindow::copyMarkdown()
{
    m_book.copy(tblMatrix->markdown());
}

void PairsWindow::copyCsv()
{
    m_book.copy(tblMatrix->csv());
}

void PairsWindow::updateActions()
{
    const qsizetype row = currentListRow();
    const bool any = row >= 0;
    // Moving is in the whole list; with rows hidden by the filter it would seem to do nothing.
    const bool whole = txbFilter->text().isEmpty();
    // In the matrix the keys of a row would act on a row not shown.
    const bool matrix = m_matrix->isChecked();
    m_load->setEnabled(matrix ? tblMatrix->currentCell().has_value() : any);
    m_rename->setEnabled(any && !matrix);
    m_remove->setEnabled(any && !matrix);
    m_moveUp->setEnabled(any && !matrix && whole && row > 0);
    m_moveDown->setEnabled(any && !matrix && whole && row + 1 < m_book.list().size());
    m_undo->setEnabled(m_book.canUndo());
    m_redo->setEnabled(m_book.canRedo());
}

qsizetype PairsWindow::currentListRow() const
{
    return m_model->listRow(lstPairs->currentIndex().row());
}

void PairsWindow::selectListRow(qsizetype row)
{
    const int rows = m_model->rowCount();
    if (rows == 0)
        return;
    int shown = m_model->rowOf(row);
    if (shown < 0) {
        // The nearest shown row after it, else the last.
        shown = rows - 1;
        for (int r = 0; r < rows; ++r) {
            if (m_model->listRow(r) >= row) {
                shown = r;
                break;
            }
        }
    }
    const QModelIndex index = m_model->index(shown, PairTableModel::Name);
    lstPairs->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    lstPairs->scrollTo(index);
}

void PairsWindow::addCurrent()
{
    // The new pair is shown, whatever the filter held.
    txbFilter->clear();
    if (m_book.addCurrent())
        selectListRow(m_book.list().size() - 1);
    updateActions();
}

void PairsWindow::loadCurrent()
{
    if (!m_matrix->isChecked()) {
        m_book.load(currentListRow());
    } else if (const auto cell = tblMatrix->currentCell()) {
        m_book.load(cell->first, cell->second);
    }
}

void PairsWindow::renameCurrent()
{
    const QModelIndex current = lstPairs->currentIndex();
    if (!current.isValid())
        return;
    lstPairs->setFocus();
    lstPairs->edit(m_model->index(current.row(), PairTableModel::Name));
}

void PairsWindow::removeCurrent()
{
    const qsizetype row = currentListRow();
    if (row >= 0 && m_book.remove(row))
        selectListRow(std::min(row, m_book.list().size() - 1));
    updateActions();
}

void PairsWindow::moveUp()
{
    moveCurrent(-1);
}

void PairsWindow::moveDown()
{
    moveCurrent(1);
}

void PairsWindow::moveCurrent(int by)
{
    const qsizetype row = currentListRow();
    if (row >= 0 && txbFilter->text().isEmpty() && m_book.move(row, by))
        selectListRow(row + by);
    updateActions();
}

void PairsWindow::undo()
{
    m_book.undo();
    updateActions();
}

void PairsWindow::redo()
{
    m_book.redo();
    updateActions();
}

void PairsWindow::exportPairs()
{
    m_book.exportToFile();
}

void PairsWindow::importPairs()
{
    const qsizetype before = m_book.list().size();
    if (m_book.importFromFile()) {
        txbFilter->clear();
        selectListRow(before);
    }
    updateActions();
}

bool PairsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstPairs && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        showListFocus(event->type() == QEvent::FocusIn);
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if ((watched == lstPairs || watched == tblMatrix) && plain) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // The Enter that confirms a rename comes here from the name's editor too; it only confirms.
            if (QApplication::focusWidget() == watched)
                loadCurrent();
            return true;
        }
        // Typing in the list filters it.
        if (key->key() == Qt::Key_Backspace) {
            txbFilter->end(false);
            txbFilter->backspace();
            return true;
        }
        if (const QString text = key->text(); !text.isEmpty() && text.at(0).isPrint()) {
            txbFilter->end(false);
            txbFilter->insert(text);
            return true;
        }
    } else if (watched == txbFilter && plain) {
        // The arrow keys in the filter go through the rows it leaves.
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QCoreApplication::sendEvent(lstPairs, &copy);
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PairsWindow::showListFocus(bool focused)
{
    // The style draws the list alike with and without the focus; its selection shows which, as in most
    // desktops' lists: in the highlight colour while the keys go to it, muted otherwise.
    QPalette colours = palette();
    if (!focused) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            colours.setColor(group, QPalette::Highlight, colours.color(group, QPalette::Midlight));
            colours.setColor(group, QPalette::HighlightedText, colours.color(group, QPalette::Text));
        }
    }
    lstPairs->setPalette(colours);
}

void PairsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (!txbFilter->text().isEmpty())
            txbFilter->clear();
        else
            hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
