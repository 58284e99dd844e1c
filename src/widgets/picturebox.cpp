// SPDX-License-Identifier: MIT
#include "widgets/picturebox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

QRgb PictureBox::toRgb(qint32 colour)
{
    return qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

qint32 PictureBox::fromRgb(QRgb rgb)
{
    return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb);
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), m_backColor(fromRgb(palette().color(QPalette::Base).rgb()))
{
    m_foreColor = fromRgb(palette().color(QPalette::Text).rgb());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::syncImageSize() const
{
    if (m_image.size() == size())
        return;
    // Keep what was drawn; new area gets the background colour.
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(toRgb(m_backColor));
    if (!m_image.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
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

void PictureBox::setBackColor(qint32 colour)
{
    m_backColor = colour;
    syncImageSize();
    m_image.fill(toRgb(colour));
    m_currentX = 0;
    m_currentY = 0;
    update();
}

void PictureBox::pset(int x, int y, qint32 colour)
{
    syncImageSize();
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return;
    reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = toRgb(colour);
}

qint32 PictureBox::point(int x, int y) const
{
    syncImageSize();
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return -1;
    return fromRgb(reinterpret_cast<const QRgb *>(m_image.constScanLine(y))[x]);
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

void PictureBox::print(const QString &text)
{
    syncImageSize();
    QPainter painter(&m_image);
    // Crisp text, as the pictures are read back point by point.
    QFont crisp = font();
    crisp.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(crisp);
    painter.setPen(QColor(toRgb(m_foreColor)));
    const QFontMetricsF metrics(font(), &m_image);
    painter.drawText(QPointF(m_currentX, m_currentY + metrics.ascent()), text);
    m_currentX = 0;
    m_currentY += metrics.height();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    syncImageSize();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    emit mouseUp(event->button(), event->modifiers(), event->position());
    if (click)
        emit clicked();
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
