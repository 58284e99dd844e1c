// SPDX-License-Identifier: MIT
#include "pairswindow/pairmatrixview.h"
#include "pairswindow/matrixheader.h"
#include "widgets/cachedscrollbarstyle.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <limits>

namespace {

// The first and last of the sections a header shows between two viewport positions, in either direction
// of writing; a position past the last section (right to left, on the left) stands for the last.
std::pair<int, int> shown(const QHeaderView *header, int from, int to)
{
    const auto at = [&](int position) {
        const int section = header->logicalIndexAt(position);
        return section < 0 ? header->count() - 1 : section;
    };
    return std::minmax(at(from), at(to));
}

// The ground shows only around the cells, a line of a pixel on each side, and past the matrix: filling all
// of it first, as the viewport would, costs as much as the cells.
void paintGround(QPainter &painter, const QTableView &view, const QRect &dirty, std::pair<int, int> rows,
                 std::pair<int, int> columns)
{
    const QBrush base = view.palette().base();
    const auto span = [](const QHeaderView *header) {
        const int a = header->sectionViewportPosition(0),
                  b = header->sectionViewportPosition(header->count() - 1);
        return std::pair(std::min(a, b), std::max(a, b) + header->defaultSectionSize());
    };
    const auto [left, right] = span(view.horizontalHeader());
    const auto [top, bottom] = span(view.verticalHeader());
    for (const QRect &past : QRegion(dirty).subtracted(QRect(left, top, right - left, bottom - top)))
        painter.fillRect(past, base);
    for (int row = rows.first; row <= rows.second; ++row) {
        const int y = view.rowViewportPosition(row);
        painter.fillRect(QRect(dirty.left(), y, dirty.width(), 1), base);
        painter.fillRect(QRect(dirty.left(), y + view.rowHeight(row) - 1, dirty.width(), 1), base);
    }
    // Each column's left edge with the right edge of the one before it, then the last right edge.
    int rightmost = std::numeric_limits<int>::min();
    for (int column = columns.first; column <= columns.second; ++column) {
        const int x = view.columnViewportPosition(column);
        painter.fillRect(QRect(x - 1, dirty.top(), 2, dirty.height()), base);
        rightmost = std::max(rightmost, x + view.columnWidth(column) - 1);
    }
    painter.fillRect(QRect(rightmost, dirty.top(), 1, dirty.height()), base);
}

} // namespace

PairMatrixView::PairMatrixView(QWidget *parent) : QTableView(parent), m_model(new PairMatrixModel(this))
{
    setObjectName(QStringLiteral("tblMatrix"));
    setAccessibleName(QStringLiteral("Every foreground against every background"));
    setHorizontalHeader(new MatrixHeader(Qt::Horizontal, this));
    setVerticalHeader(new MatrixHeader(Qt::Vertical, this));
    setModel(m_model);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { m_images.clear(); });
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    // Fixed sizes: a hundred by a hundred cells are laid out without measuring any of them.
    const int line = fontMetrics().height();
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()})
        header->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(fontMetrics().horizontalAdvance(QStringLiteral("#DDDDDD")) +
                                              16);
    verticalHeader()->setDefaultSectionSize(2 * line + 14);
    // Across a large screen the scroll bars cost half as much to draw as the cells; they are drawn again
    // from pictures while they show the same.
    auto *cached = new CachedScrollBarStyle(this);
    horizontalScrollBar()->setStyle(cached);
    verticalScrollBar()->setStyle(cached);
}

void PairMatrixView::setPairs(const NamedPairs &pairs)
{
    const QModelIndex current = currentIndex();
    m_model->setPairs(pairs);
    if (m_model->rowCount() > 0 && m_model->columnCount() > 0) {
        const QModelIndex kept =
            m_model->index(std::min(std::max(current.row(), 0), m_model->rowCount() - 1),
                           std::min(std::max(current.column(), 0), m_model->columnCount() - 1));
        selectionModel()->setCurrentIndex(kept, QItemSelectionModel::ClearAndSelect);
    }
}

// The sample above, the figures below on the window's own ground; the figures of a failing cell on a
// hatched ground, so that failing cells stand apart without telling colours apart.
void PairMatrixView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QRect dirty = event->rect();
    if (m_model->rowCount() == 0 || m_model->columnCount() == 0) {
        painter.fillRect(dirty, palette().base());
        return;
    }
    const auto [firstRow, lastRow] = shown(verticalHeader(), dirty.top(), dirty.bottom());
    const auto [firstColumn, lastColumn] = shown(horizontalHeader(), dirty.left(), dirty.right());
    paintGround(painter, *this, dirty, {firstRow, lastRow}, {firstColumn, lastColumn});
    const int strip = fontMetrics().height() + 2;
    const auto cellRect = [&](int row, int column) {
        return QRect(columnViewportPosition(column), rowViewportPosition(row), columnWidth(column),
                     rowHeight(row))
            .adjusted(1, 1, -1, -1);
    };
    const auto sampleOf = [&](const QRect &cell) { return cell.adjusted(0, 0, 0, -strip); };
    const auto figuresOf = [&](const QRect &cell) {
        return QRect(cell.left(), cell.bottom() - strip + 1, cell.width(), strip);
    };
    const auto each = [&](const auto &paintCell) {
        for (int row = firstRow; row <= lastRow; ++row)
            for (int column = firstColumn; column <= lastColumn; ++column)
                paintCell(row, column, cellRect(row, column));
    };
    const QList<PairColor> &backgrounds = m_model->matrix().backgrounds;
    QList<int> shownFigures;
    each([&](int row, int column, const QRect &) { shownFigures << m_model->cell(row, column).figure; });
    m_images.drawFigures(*m_model, shownFigures, figuresOf(cellRect(firstRow, firstColumn)).size(),
                         devicePixelRatioF(), font(), palette());
    each([&](int row, int column, const QRect &cell) {
        painter.fillRect(sampleOf(cell), QColor::fromRgb(backgrounds[column].rgb));
        m_images.paintFigure(painter, figuresOf(cell).topLeft(), m_model->cell(row, column).figure);
    });
    each([&](int row, int, const QRect &cell) {
        const QImage &text = m_images.sampleText(*m_model, row, devicePixelRatioF(), font());
        const QRect sample = sampleOf(cell);
        const QSize size = text.deviceIndependentSize().toSize();
        painter.drawImage(QPoint(sample.left() + (sample.width() - size.width()) / 2,
                                 sample.top() + (sample.height() - size.height()) / 2),
                          text);
    });
    painter.setPen(QPen(palette().highlight().color(), 2));
    painter.setBrush(Qt::NoBrush);
    for (const QModelIndex &selected : selectionModel()->selectedIndexes())
        painter.drawRect(QRectF(visualRect(selected)).adjusted(1, 1, -1, -1));
}

void PairMatrixView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        m_images.clear();
    QTableView::changeEvent(event);
}

std::optional<std::pair<PairColor, PairColor>> PairMatrixView::currentCell() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return std::pair(m_model->matrix().backgrounds[current.column()],
                     m_model->matrix().foregrounds[current.row()]);
}

QString PairMatrixView::markdown() const
{
    QString text =
        paircheck::markdownTable(pairmatrix::table(m_model->matrix(), PairMatrixModel::kThreshold));
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

QString PairMatrixView::csv() const
{
    return pairmatrix::csv(pairmatrix::table(m_model->matrix(), PairMatrixModel::kThreshold),
                           QStringLiteral("\r\n"));
}
