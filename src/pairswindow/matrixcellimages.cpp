// SPDX-License-Identifier: MIT
#include "pairswindow/matrixcellimages.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

#include <memory>

namespace {

constexpr int kStripsPerPage = 64;

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
        m_size = size;
        m_scale = scale;
    }
    const QBrush hatched(colours.mid().color(), Qt::BDiagPattern);
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
        if (!painter) {
            painter = std::make_unique<QPainter>(&m_pages.back());
            painter->setFont(font);
            painter->setPen(colours.text().color());
        }
        const QRectF box(0, (place % kStripsPerPage) * pitch() / scale, size.width(), size.height());
        painter->fillRect(box, colours.base());
        const PairMatrixModel::Figure &figure = model.figures()[size_t(index)];
        if (!figure.passes) {
            // Every failing cell hatched alike.
            painter->setBrushOrigin(box.topLeft());
            painter->fillRect(box, hatched);
        }
        qreal width = 0;
        for (const QChar c : figure.text)
            width += character(c, font).second;
        qreal x = box.left() + (box.width() - width) / 2;
        const qreal y = box.top() + (box.height() - QFontMetricsF(font).height()) / 2;
        for (const QChar c : figure.text) {
            const auto &[text, advance] = character(c, font);
            painter->drawStaticText(QPointF(std::round(x), std::round(y)), text);
            x += advance;
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

const std::pair<QStaticText, qreal> &MatrixCellImages::character(QChar c, const QFont &font)
{
    auto found = m_characters.find(c);
    if (found == m_characters.end()) {
        QStaticText text{QString(c)};
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font);
        found = m_characters.insert(c, {text, QFontMetricsF(font).horizontalAdvance(c)});
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
