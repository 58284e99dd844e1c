// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"
#include "pairs/pairmatrix.h"

#include <QAbstractTableModel>

#include <vector>

// The cells of the matrix: a row for each distinct foreground, a column for each distinct background.
class PairMatrixModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role of a cell's background, as QRgb.
    enum Role { BackgroundColorRole = Qt::UserRole };
    // Cells pass at AA for normal text, as the list's marks.
    static constexpr double kThreshold = 4.5;

    using QAbstractTableModel::QAbstractTableModel;

    // What painting needs of a cell, worked out once for the whole matrix.
    struct Cell
    {
        double ratio;
        // Its text among figures().
        int figure;
        bool passes;
    };

    void setPairs(const NamedPairs &pairs);
    const pairmatrix::Matrix &matrix() const { return m_matrix; }
    const Cell &cell(int row, int column) const { return m_cells[size_t(row * columnCount() + column)]; }
    // The distinct texts of the cells, whether theirs pass: a few thousand at most, however many the cells.
    struct Figure
    {
        QString text;
        bool passes;
    };
    const std::vector<Figure> &figures() const { return m_figures; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    pairmatrix::Matrix m_matrix;
    std::vector<Cell> m_cells;
    std::vector<Figure> m_figures;
};
