// SPDX-License-Identifier: MIT
#include "pairswindow/matrixheader.h"

MatrixHeader::MatrixHeader(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent)
{
    // As the table's own headers are.
    setSectionsClickable(true);
    setHighlightSections(true);
}

QSize MatrixHeader::sizeHint() const
{
    if (!model() || count() == 0)
        return QHeaderView::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    int widest = 0, widestAdvance = -1;
    for (int section = 0; section < count(); ++section) {
        int advance = 0;
        for (const QChar c : model()->headerData(section, orientation()).toString())
            advance += metrics.horizontalAdvance(c);
        if (advance > widestAdvance) {
            widest = section;
            widestAdvance = advance;
        }
    }
    return sectionSizeFromContents(widest);
}
