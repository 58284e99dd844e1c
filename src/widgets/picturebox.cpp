// SPDX-License-Identifier: MIT
#include "widgets/picturebox.h"

#include "platform/nativepointer.h"

#include "color/colors.h"

#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include <cmath>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), m_backColor(Colors::fromQRgb(palette().color(QPalette::Base).rgb()))
{
    platform::recordNativePointerEvents();
    m_foreColor = Colors::fromQRgb(palette().color(QPalette::Text).rgb());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PictureBox::scale() const
{
    // A little slack, so that a ratio of 1.0000001 from rounding does not double the image.
    return std::max(1, int(std::ceil(devicePixelRatio() - 0.01)));
}

void PictureBox::syncImageSize() const
{
    const int scale = this->scale();
    if (m_image.size() == size() * scale)
        return;
    // Keep what was drawn, point for point; new area gets the background colour.
    QImage resized(size() * scale, QImage::Format_RGB32);
    resized.setDevicePixelRatio(scale);
    resized.fill(Colors::toQRgb(m_backColor));
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
    m_scale = scale;
}

QImage &PictureBox::image()
{
    syncImageSize();
    return m_image;
}

const QImage &PictureBox::image() const
{
    syncImageSize();
    return m_image;
}

void PictureBox::repeatRow(int y, int left, int right)
{
    const uchar *first = m_image.constScanLine(y * m_scale) + sizeof(quint32) * size_t(left * m_scale);
    const size_t bytes = sizeof(quint32) * size_t((right - left + 1) * m_scale);
    for (int k = 1; k < m_scale; ++k)
        std::memcpy(m_image.scanLine(y * m_scale + k) + sizeof(quint32) * size_t(left * m_scale), first,
                    bytes);
}

void PictureBox::setBackColor(qint32 colour)
{
    m_backColor = colour;
    syncImageSize();
    m_image.fill(Colors::toQRgb(colour));
    m_printedArea = QRegion();
    m_currentX = 0;
    m_currentY = 0;
    update();
}

void PictureBox::pset(int x, int y, qint32 colour)
{
    const QRgb rgb = Colors::toQRgb(colour);
    paintRows(x, y, x, y, [rgb](int, quint32 *row, int from, int) { row[from] = rgb; });
}

qint32 PictureBox::point(int x, int y) const
{
    syncImageSize();
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return -1;
    return Colors::fromQRgb(reinterpret_cast<const QRgb *>(m_image.constScanLine(y * m_scale))[x * m_scale]);
}

void PictureBox::box(int x1, int y1, int x2, int y2, qint32 colour)
{
    for (int x = x1; x <= x2; ++x) {
        pset(x, y1, colour);
        pset(x, y2, colour);
    }
    for (int y = y1 + 1; y < y2; ++y) {
        pset(x1, y, colour);
        pset(x2, y, colour);
    }
}

namespace {

// A printed text as the points it covers, drawn once and stamped after that: the swatches print the same
// 32 captions at every repaint, and drawing text is what dominates painting them.
struct PrintedText
{
    QImage coverage; // opaque where the text covers a pixel; drawn at the picture's scale
    QPoint offset;   // of the image's top left from the print position, in pixels of the picture's image
    qreal height;    // the line height, by which the print position moves down
};

// Texts stamped without smoothing cover exactly the pixels a painter would draw, in any colour.
const PrintedText &printedText(const QString &text, const QFont &font, int scale)
{
    static QHash<QString, PrintedText> cache;
    const QString key = font.key() + u'\n' + QString::number(scale) + u'\n' + text;
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    if (cache.size() > 1024)
        cache.clear();
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDevicePixelRatio(scale);
    const QFontMetricsF metrics(font, &probe);
    // A margin of one line height holds glyphs that reach past their advance on either side.
    const int margin = qCeil(metrics.height());
    const QSize size(qCeil(metrics.horizontalAdvance(text)) + 2 * margin,
                     qCeil(metrics.height()) + 2 * margin);
    QImage coverage(size * scale, QImage::Format_ARGB32_Premultiplied);
    coverage.setDevicePixelRatio(scale);
    coverage.fill(Qt::transparent);
    QPainter painter(&coverage);
    painter.setFont(crisp);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(margin, margin + metrics.ascent()), text);
    painter.end();
    // Only the covered pixels are kept, so that stamping visits no more than the glyphs.
    QRect covered;
    for (int y = 0; y < coverage.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(coverage.constScanLine(y));
        for (int x = 0; x < coverage.width(); ++x) {
            if (qAlpha(line[x]))
                covered |= QRect(x, y, 1, 1);
        }
    }
    return *cache.insert(
        key, {coverage.copy(covered), covered.topLeft() - QPoint(margin, margin) * scale, metrics.height()});
}

} // namespace

void PictureBox::print(const QString &text)
{
    syncImageSize();
    const PrintedText &printed = printedText(text, font(), m_scale);
    // Only a print position on a whole pixel stamps the same pixels a painter would draw; another is drawn.
    const QPointF at = QPointF(m_currentX, m_currentY) * m_scale;
    if (at == at.toPoint()) {
        const QPoint origin = at.toPoint() + printed.offset;
        const QRgb colour = Colors::toQRgb(m_foreColor);
        const QRect area = QRect(origin, printed.coverage.size()) & m_image.rect();
        m_printedArea += QRect(QPoint(area.left() / m_scale, area.top() / m_scale),
                               QPoint(area.right() / m_scale, area.bottom() / m_scale));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto *covered =
                reinterpret_cast<const QRgb *>(printed.coverage.constScanLine(y - origin.y()));
            auto *pixels = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            for (int x = area.left(); x <= area.right(); ++x) {
                if (qAlpha(covered[x - origin.x()]))
                    pixels[x] = colour;
            }
        }
    } else {
        // The painter works in points on an image of the screen's density, so the text is drawn at full
        // sharpness; without smoothing, as the pictures are read back point by point.
        QPainter painter(&m_image);
        QFont crisp = font();
        crisp.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(crisp);
        painter.setPen(QColor(Colors::toQRgb(m_foreColor)));
        const QFontMetricsF metrics(font(), &m_image);
        const QPointF baseline(m_currentX, m_currentY + metrics.ascent());
        painter.drawText(baseline, text);
        m_printedArea += metrics.boundingRect(text).translated(baseline).toAlignedRect();
    }
    m_currentX = 0;
    m_currentY += printed.height;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    syncImageSize();
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, m_image, QRect(area.topLeft() * m_scale, area.size() * m_scale));
    if (hasFocus()) {
        // Drawn on the widget only, never into the image that picks read back. Black and white dashes show
        // on any colour.
        const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(frame);
        QPen dashes(Qt::white, 2, Qt::CustomDashLine, Qt::FlatCap);
        dashes.setDashPattern({2, 2});
        painter.setPen(dashes);
        painter.drawRect(frame);
    }
}

QPointF PictureBox::exactPosition(const QMouseEvent *event) const
{
    if (const std::optional<QPointF> inWindow = platform::exactWindowPosition(*event, *window()))
        return *inWindow - QPointF(mapTo(window(), QPoint(0, 0)));
    return event->position();
}

bool PictureBox::containsExactly(QPointF position) const
{
    return position.x() >= 0 && position.y() >= 0 && position.x() < width() && position.y() < height();
}

bool PictureBox::press(const QMouseEvent *event, QPointF at)
{
    if (!containsExactly(at))
        return false;
    m_pressInside = true;
    m_pressed = event->button() == Qt::LeftButton;
    return true;
}

void PictureBox::release(const QMouseEvent *event, QPointF at)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && containsExactly(at);
    m_pressed = false;
    if (!event->buttons())
        m_pressInside = m_fromWindow = false;
    emit mouseUp(event->button(), event->modifiers(), at);
    if (click)
        emit clicked();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    // A press that Qt rounded onto the picture from outside is not the picture's, as it would not be at a
    // scale of 1.
    if (!press(event, exactPosition(event))) {
        event->ignore();
        return;
    }
    QWidget::mousePressEvent(event);
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressInside) {
        event->ignore();
        return;
    }
    release(event, exactPosition(event));
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressInside)
        emit mouseMove(event->buttons(), exactPosition(event));
    QWidget::mouseMoveEvent(event);
}

void PictureBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Presses that Qt rounded off the picture's last row or column reach the window instead.
    if (!m_watchingWindow && window() != this) {
        window()->installEventFilter(this);
        m_watchingWindow = true;
    }
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched != window() || !isVisible() ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
         type != QEvent::MouseButtonRelease && type != QEvent::MouseMove))
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    const std::optional<QPointF> inWindow = platform::exactWindowPosition(*mouse, *window());
    if (!inWindow)
        return false;
    const QPointF at = *inWindow - QPointF(mapTo(window(), QPoint(0, 0)));
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        if (m_pressInside || !press(mouse, at))
            return false;
        m_fromWindow = true;
        if (focusPolicy() & Qt::ClickFocus)
            setFocus(Qt::MouseFocusReason);
        return true;
    }
    if (!m_fromWindow)
        return false;
    if (type == QEvent::MouseMove)
        emit mouseMove(mouse->buttons(), at);
    else
        release(mouse, at);
    return true;
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit clicked();
        break;
    case Qt::Key_Left:
        emit arrowKey(-1, 0, event->modifiers());
        break;
    case Qt::Key_Right:
        emit arrowKey(1, 0, event->modifiers());
        break;
    case Qt::Key_Up:
        emit arrowKey(0, -1, event->modifiers());
        break;
    case Qt::Key_Down:
        emit arrowKey(0, 1, event->modifiers());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
