// SPDX-License-Identifier: MIT
#pragma once

#include "pairswindow/matrixcellimages.h"
#include "pairswindow/pairmatrixmodel.h"

#include <QTableView>

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

protected:
    // The cells are painted here from the model's worked-out cells and images drawn once: the item
    // delegate's way (options, data, text layout and a font change for each cell) took twice a frame for
    // the cells of one screen.
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    PairMatrixModel *m_model;
    MatrixCellImages m_images;
};
