// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/namedpair.h"
#include "pairs/pairmatrix.h"

#include <QAbstractTableModel>
#include <QTableView>

// The cells of the matrix: a row for each distinct foreground, a column for each distinct background.
class PairMatrixModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role of a cell's colours, as QRgb: background, then foreground.
    enum Role { BackgroundColorRole = Qt::UserRole, ForegroundColorRole, PassesRole };
    // Cells pass at AA for normal text, as the list's marks.
    static constexpr double kThreshold = 4.5;

    using QAbstractTableModel::QAbstractTableModel;

    void setPairs(const NamedPairs &pairs);
    const pairmatrix::Matrix &matrix() const { return m_matrix; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    pairmatrix::Matrix m_matrix;
};

// "One colour against many": each cell shows "Aa" in its pair, under it the ratio (cut to two decimals)
// and the AA mark, a failing cell's figures on a hatched ground.
class PairMatrixView : public QTableView
{
    Q_OBJECT

public:
    explicit PairMatrixView(QWidget *parent = nullptr);

    void setPairs(const NamedPairs &pairs);
    // The current cell's colours; nothing without one.
    std::optional<std::pair<PairColor, PairColor>> currentCell() const;
    // The whole matrix as a Markdown table and as comma-separated values, lines ending in CR LF.
    QString markdown() const;
    QString csv() const;

private:
    PairMatrixModel *m_model;
};
