// SPDX-License-Identifier: MIT
#pragma once

#include <QHeaderView>

// A header of the matrix. Every section shows a colour's code in the same font, so the header's size is
// the widest section's: that one is laid out and measured, found by its characters' advances, where Qt's
// own header lays out and measures each of its sections, two hundred of them when a list is set.
class MatrixHeader : public QHeaderView
{
public:
    MatrixHeader(Qt::Orientation orientation, QWidget *parent);

    QSize sizeHint() const override;
};
