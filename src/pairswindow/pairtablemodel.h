// SPDX-License-Identifier: MIT
#pragma once

#include "pairs/pairlist.h"

#include <QAbstractTableModel>

// The rows of the pairs window: the pairs whose names hold the filter, each with its name, its colours as
// a sample, the contrast ratio and the marks for AA and AAA normal text.
class PairTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Sample, Ratio, AA, AAA, ColumnCount };

    explicit PairTableModel(const PairList &list, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A name typed into a row is asked for with renameRequested; the list changes only if it is taken.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    QString filter() const { return m_filter; }
    void setFilter(const QString &filter);
    // The list changed: the rows are read again.
    void refresh();

    // The row of the list shown in row, or -1.
    qsizetype listRow(int row) const { return row >= 0 && row < m_rows.size() ? m_rows[row] : -1; }
    // The row that shows the list's row, or -1 when the filter hides it.
    int rowOf(qsizetype listRow) const;

signals:
    void renameRequested(qsizetype listRow, const QString &name);

private:
    const PairList &m_list;
    QString m_filter;
    QList<qsizetype> m_rows;
    bool m_renaming = false;
};
