// SPDX-License-Identifier: MIT
#include "pairswindow/pairmatrixview.h"

#include "contrast/contrast.h"

#include <QHash>
#include <QHeaderView>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace {

QString hexText(QRgb rgb)
{
    return contrast::hexText(rgb);
}

// The sample above, the figures below on the window's own ground; the figures of a failing cell on a
// hatched ground, so that failing cells stand apart without telling colours apart. Texts are laid out once
// and kept: shaping them again for each of thousands of cells is most of the painting's time.
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QRect cell = option.rect.adjusted(1, 1, -1, -1);
        const int strip = option.fontMetrics.height() + 2;
        const QRect sample(cell.left(), cell.top(), cell.width(), cell.height() - strip);
        const QRect figures(cell.left(), sample.bottom() + 1, cell.width(), strip);
        const auto colour = [&](int role) { return QColor::fromRgb(index.data(role).value<QRgb>()); };
        painter->fillRect(sample, colour(PairMatrixModel::BackgroundColorRole));
        painter->setPen(colour(PairMatrixModel::ForegroundColorRole));
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        drawCentred(painter, sample, laidOut(QStringLiteral("Aa"), bold));
        painter->fillRect(figures, option.palette.base());
        const bool passes = index.data(PairMatrixModel::PassesRole).toBool();
        if (!passes)
            painter->fillRect(figures, QBrush(option.palette.mid().color(), Qt::BDiagPattern));
        painter->setFont(option.font);
        painter->setPen(option.palette.text().color());
        drawCentred(painter, figures, laidOut(index.data(Qt::DisplayRole).toString(), option.font));
        if (option.state & QStyle::State_Selected) {
            painter->setPen(QPen(option.palette.highlight().color(), 2));
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        }
    }

private:
    // A text laid out in font, kept while the fonts stay; there are at most a few thousand figures.
    const QStaticText &laidOut(const QString &text, const QFont &font) const
    {
        QFont plain = font;
        plain.setBold(false);
        if (plain != m_font) {
            m_texts.clear();
            m_font = plain;
        }
        const QString key = (font.bold() ? u'b' : u'n') + text;
        auto found = m_texts.find(key);
        if (found == m_texts.end()) {
            QStaticText laid(text);
            laid.setTextFormat(Qt::PlainText);
            laid.prepare(QTransform(), font);
            found = m_texts.insert(key, laid);
        }
        return *found;
    }

    static void drawCentred(QPainter *painter, const QRect &box, const QStaticText &text)
    {
        const QSizeF size = text.size();
        painter->drawStaticText(QPointF(box.left() + (box.width() - size.width()) / 2,
                                        box.top() + (box.height() - size.height()) / 2),
                                text);
    }

    mutable QHash<QString, QStaticText> m_texts;
    mutable QFont m_font;
};

} // namespace

void PairMatrixModel::setPairs(const NamedPairs &pairs)
{
    pairmatrix::Matrix matrix = pairmatrix::of(pairs);
    if (matrix.foregrounds == m_matrix.foregrounds && matrix.backgrounds == m_matrix.backgrounds)
        return;
    beginResetModel();
    m_matrix = std::move(matrix);
    endResetModel();
}

int PairMatrixModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_matrix.foregrounds.size());
}

int PairMatrixModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_matrix.backgrounds.size());
}

QVariant PairMatrixModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QRgb foreground = m_matrix.foregrounds[index.row()].rgb;
    const QRgb background = m_matrix.backgrounds[index.column()].rgb;
    const double ratio = contrast::contrastRatio(foreground, background);
    const bool passes = contrast::passes(ratio, kThreshold);
    switch (role) {
    case Qt::DisplayRole:
        return contrast::ratioFigure(ratio) +
               (passes ? QStringLiteral(" \u2713") : QStringLiteral(" \u2717"));
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QStringLiteral("Foreground %1 on background %2: %3, AA normal text: %4")
            .arg(hexText(foreground), hexText(background), contrast::ratioText(ratio),
                 passes ? QStringLiteral("pass") : QStringLiteral("fail"));
    case BackgroundColorRole:
        return QVariant::fromValue(background);
    case ForegroundColorRole:
        return QVariant::fromValue(foreground);
    case PassesRole:
        return passes;
    default:
        return {};
    }
}

QVariant PairMatrixModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QList<PairColor> &colours =
        orientation == Qt::Horizontal ? m_matrix.backgrounds : m_matrix.foregrounds;
    if (section < 0 || section >= colours.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return hexText(colours[section].rgb);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return (orientation == Qt::Horizontal ? QStringLiteral("Background ")
                                              : QStringLiteral("Foreground ")) +
               hexText(colours[section].rgb);
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}

PairMatrixView::PairMatrixView(QWidget *parent) : QTableView(parent), m_model(new PairMatrixModel(this))
{
    setObjectName(QStringLiteral("tblMatrix"));
    setAccessibleName(QStringLiteral("Every foreground against every background"));
    setModel(m_model);
    setItemDelegate(new CellDelegate(this));
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
