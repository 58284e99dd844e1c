// SPDX-License-Identifier: MIT
#include "pairswindow/matrixcellimages.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include <memory>

namespace {

constexpr int kStripsPerPage = 64;
// Pixels a glyph may reach past its advance.
constexpr int kOverhang = 2;

} // namespace

void MatrixCellImages::clear()
{
    *this = MatrixCellImages();
}

void MatrixCellImages::drawFigures(const PairMatrixModel &model, const QList<int> &figures, const QSize &size,
                                   qreal scale, const QFont &font, const QPalette &colours)
{
    if (m_places.empty() || size != m_size || scale != m_scale) {
        m_places.assign(model.figures().size(), -1);
        m_drawn = 0;
        m_pages.clear();
        m_characters.clear();
        m_size = size;
        m_scale = scale;
        // The two grounds, plain and, for a failing cell, hatched; every failing cell hatched alike.
        for (const bool passes : {true, false}) {
            QImage &ground = m_grounds[passes];
            ground = QImage(size * scale, QImage::Format_RGB32);
            ground.setDevicePixelRatio(scale);
            ground.fill(colours.base().color());
            if (!passes)
                QPainter(&ground).fillRect(QRect(QPoint(), size),
                                           QBrush(colours.mid().color(), Qt::BDiagPattern));
        }
    }
    const QFontMetricsF metrics(font);
    std::unique_ptr<QPainter> painter;
    for (const int index : figures) {
        if (m_places[size_t(index)] >= 0)
            continue;
        const int place = m_drawn++;
        m_places[size_t(index)] = place;
        if (place % kStripsPerPage == 0) {
            painter.reset();
            QImage page(int(std::ceil(size.width() * scale)), pitch() * kStripsPerPage, QImage::Format_RGB32);
            page.setDevicePixelRatio(scale);
            m_pages.push_back(std::move(page));
        }
        if (!painter)
            painter = std::make_unique<QPainter>(&m_pages.back());
        const QPointF top(0, (place % kStripsPerPage) * pitch() / scale);
        const PairMatrixModel::Figure &figure = model.figures()[size_t(index)];
        painter->drawImage(top, m_grounds[figure.passes]);
        qreal width = 0;
        for (const QChar c : figure.text)
            width += character(c, font, colours.text().color()).advance;
        qreal x = top.x() + (size.width() - width) / 2;
        const qreal y = top.y() + (size.height() - metrics.height()) / 2;
        for (const QChar c : figure.text) {
            const Character &character = this->character(c, font, colours.text().color());
            painter->drawImage(QPointF(std::round(x) - kOverhang, std::round(y)), character.image);
            x += character.advance;
        }
    }
}

// Strips start on whole device pixels at any scale, so that none is copied with a row of its neighbour.
int MatrixCellImages::pitch() const
{
    return int(std::ceil(m_size.height() * m_scale));
}

void MatrixCellImages::paintFigure(QPainter &painter, const QPoint &point, int figure) const
{
    const int place = m_places[size_t(figure)];
    painter.drawImage(
        point, m_pages[size_t(place / kStripsPerPage)],
        QRectF(0, (place % kStripsPerPage) * pitch(), m_size.width() * m_scale, m_size.height() * m_scale));
}

// A character of the figures in the text's colour on nothing, with room for a glyph reaching past its
// advance on either side.
const MatrixCellImages::Character &MatrixCellImages::character(QChar c, const QFont &font,
                                                               const QColor &colour)
{
    auto found = m_characters.find(c);
    if (found == m_characters.end()) {
        const QFontMetricsF metrics(font);
        const qreal advance = metrics.horizontalAdvance(c);
        const QSizeF size(advance + 2 * kOverhang, metrics.height());
        QImage image((size * m_scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(m_scale);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(kOverhang, metrics.ascent()), QString(c));
        painter.end();
        found = m_characters.insert(c, {std::move(image), advance});
    }
    return *found;
}

const QImage &MatrixCellImages::sampleText(const PairMatrixModel &model, int row, qreal scale,
                                           const QFont &font)
{
    QFont bold = font;
    if (m_samples.empty()) {
        m_samples.resize(size_t(model.rowCount()));
        bold.setBold(true);
        m_sample = QStaticText(QStringLiteral("Aa"));
        m_sample.setTextFormat(Qt::PlainText);
        m_sample.prepare(QTransform(), bold);
    }
    QImage &text = m_samples[size_t(row)];
    if (text.isNull() || text.devicePixelRatio() != scale) {
        bold.setBold(true);
        text = QImage(m_sample.size().toSize() * scale, QImage::Format_ARGB32_Premultiplied);
        text.setDevicePixelRatio(scale);
        text.fill(Qt::transparent);
        QPainter painter(&text);
        painter.setFont(bold);
        painter.setPen(QColor::fromRgb(model.matrix().foregrounds[row].rgb));
        painter.drawStaticText(QPointF(), m_sample);
    }
    return text;
}
