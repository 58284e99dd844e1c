// SPDX-License-Identifier: MIT
#include "pairswindow/pairtablemodel.h"

#include "contrast/contrast.h"

#include <QBrush>
#include <QColor>

namespace {

constexpr double kAA = 4.5;
constexpr double kAAA = 7.0;

QString mark(bool pass)
{
    return pass ? QStringLiteral("\u2713") : QStringLiteral("\u2717");
}

} // namespace

PairTableModel::PairTableModel(const PairList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list), m_rows(list.matching(QString()))
{
}

int PairTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PairTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PairTableModel::data(const QModelIndex &index, int role) const
{
    const qsizetype row = listRow(index.row());
    if (row < 0 || row >= m_list.size())
        return {};
    const NamedPair &pair = m_list.at(row);
    const double ratio = contrast::contrastRatio(pair.background.rgb, pair.foreground.rgb);
    const auto verdict = [ratio](const char *level, double threshold) {
        return QStringLiteral("%1 normal text: %2")
            .arg(QLatin1StringView(level),
                 contrast::passes(ratio, threshold) ? QStringLiteral("pass") : QStringLiteral("fail"));
    };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case Name:
            return pair.name;
        case Sample:
            return QStringLiteral("Aa");
        case Ratio:
            return contrast::ratioFigure(ratio) + QStringLiteral(":1");
        case AA:
            return mark(contrast::passes(ratio, kAA));
        case AAA:
            return mark(contrast::passes(ratio, kAAA));
        }
        break;
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case Name:
            return pair.name;
        case Sample:
            return QStringLiteral("Foreground %1 on background %2")
                .arg(contrast::hexText(pair.foreground.rgb), contrast::hexText(pair.background.rgb));
        case Ratio:
            return contrast::ratioText(ratio);
        case AA:
            return verdict("AA", kAA);
        case AAA:
            return verdict("AAA", kAAA);
        }
        break;
    case Qt::BackgroundRole:
        if (index.column() == Sample)
            return QBrush(QColor::fromRgb(pair.background.rgb));
        break;
    case Qt::ForegroundRole:
        if (index.column() == Sample)
            return QBrush(QColor::fromRgb(pair.foreground.rgb));
        break;
    case Qt::TextAlignmentRole:
        if (index.column() != Name)
            return int(Qt::AlignCenter);
        break;
    case Qt::ToolTipRole:
        if (index.column() != Name)
            return data(index, Qt::AccessibleTextRole);
        break;
    default:
        break;
    }
    return {};
}

QVariant PairTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const kTitles[] = {"Name", "Pair", "Contrast", "AA", "AAA"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kTitles[section]) : QVariant();
}

Qt::ItemFlags PairTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Name)
        f |= Qt::ItemIsEditable;
    return f;
}

bool PairTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const qsizetype row = listRow(index.row());
    if (role != Qt::EditRole || index.column() != Name || row < 0)
        return false;
    m_renaming = true;
    emit renameRequested(row, value.toString());
    m_renaming = false;
    return true;
}

void PairTableModel::setFilter(const QString &filter)
{
    if (filter == m_filter)
        return;
    m_filter = filter;
    refresh();
}

void PairTableModel::refresh()
{
    QList<qsizetype> rows = m_list.matching(m_filter);
    // A rename keeps the rows where they are, so that the open editor keeps its row.
    if (m_renaming || rows == m_rows) {
        if (!m_rows.isEmpty())
            emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int PairTableModel::rowOf(qsizetype listRow) const
{
    return int(m_rows.indexOf(listRow));
}
