// SPDX-License-Identifier: MIT
#include "pairswindow/pairmatrixmodel.h"

#include "contrast/contrast.h"

#include <QHash>

void PairMatrixModel::setPairs(const NamedPairs &pairs)
{
    pairmatrix::Matrix matrix = pairmatrix::of(pairs);
    if (matrix.foregrounds == m_matrix.foregrounds && matrix.backgrounds == m_matrix.backgrounds)
        return;
    beginResetModel();
    m_matrix = std::move(matrix);
    m_cells.clear();
    m_cells.reserve(size_t(m_matrix.foregrounds.size() * m_matrix.backgrounds.size()));
    m_figures.clear();
    // Each distinct figure with its mark once, found by its hundredths: a ratio is 1.00 to 21.00.
    QHash<int, int> figures;
    std::vector<double> backgrounds;
    for (const PairColor &background : std::as_const(m_matrix.backgrounds))
        backgrounds.push_back(contrast::relativeLuminance(background.rgb));
    for (const PairColor &foreground : std::as_const(m_matrix.foregrounds)) {
        const double luminance = contrast::relativeLuminance(foreground.rgb);
        for (const double background : backgrounds) {
            const double ratio = contrast::luminanceRatio(luminance, background);
            const bool passes = contrast::passes(ratio, kThreshold);
            const int key = 2 * contrast::ratioHundredths(ratio) + int(passes);
            auto known = figures.find(key);
            if (known == figures.end()) {
                known = figures.insert(key, int(m_figures.size()));
                m_figures.push_back({contrast::ratioFigure(ratio) +
                                         (passes ? QStringLiteral(" \u2713") : QStringLiteral(" \u2717")),
                                     passes});
            }
            m_cells.push_back({ratio, *known, passes});
        }
    }
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
    const auto [ratio, figure, passes] = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return m_figures[size_t(figure)].text;
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QStringLiteral("Foreground %1 on background %2: %3, AA normal text: %4")
            .arg(contrast::hexText(foreground), contrast::hexText(background), contrast::ratioText(ratio),
                 passes ? QStringLiteral("pass") : QStringLiteral("fail"));
    case BackgroundColorRole:
        return QVariant::fromValue(background);
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
        return contrast::hexText(colours[section].rgb);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return (orientation == Qt::Horizontal ? QStringLiteral("Background ")
                                              : QStringLiteral("Foreground ")) +
               contrast::hexText(colours[section].rgb);
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}
