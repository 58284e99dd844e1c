// SPDX-License-Identifier: MIT
#pragma once

#include "pairswindow/pairmatrixmodel.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QStaticText>

#include <vector>

class QPainter;

// What a cell of the matrix shows besides its background, drawn once and copied after: shaping and
// blending glyphs again for each of thousands of cells was most of a paint.
// - A figure on its ground, as wide and high as a cell's strip: one for each distinct figure (ratios 1.00 to
//   21.00, so at most 2,001 whatever the cells), drawn on pages of strips so that one painter serves many,
//   from its ground and characters each drawn once (a figure is digits, a point and a mark).
// - "Aa" in a row's foreground on nothing: a row shares its foreground, and laying one small image over
//   each background is cheaper than drawing its glyphs again.
class MatrixCellImages
{
public:
    // Forgets every image: the cells, their font, palette, size or scale have changed.
    void clear();
    // Draws the figures not yet drawn among those given, for strips of size at scale device pixels per
    // pixel; a new size or scale forgets the others.
    void drawFigures(const PairMatrixModel &model, const QList<int> &figures, const QSize &size, qreal scale,
                     const QFont &font, const QPalette &colours);
    // A drawn figure's strip onto painter with its top left at point.
    void paintFigure(QPainter &painter, const QPoint &point, int figure) const;
    const QImage &sampleText(const PairMatrixModel &model, int row, qreal scale, const QFont &font);

private:
    struct Character
    {
        QImage image;
        qreal advance;
    };
    const Character &character(QChar c, const QFont &font, const QColor &colour);
    int pitch() const;

    QSize m_size;
    qreal m_scale = 0;
    // For each figure its place among the drawn, or -1.
    std::vector<int> m_places;
    int m_drawn = 0;
    std::vector<QImage> m_pages;
    QImage m_grounds[2];
    QHash<QChar, Character> m_characters;
    std::vector<QImage> m_samples;
    QStaticText m_sample;
};
