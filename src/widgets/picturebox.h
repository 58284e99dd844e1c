// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <vector>

// A picture with a persistent image: drawing goes into the image, the widget only shows it, and reading a
// point returns what was drawn there. Colours are packed values red + 256 * green + 65536 * blue.
// Coordinates are points, the widget's own units. The image holds scale() x scale() device pixels per point,
// so that text is as sharp as the screen allows; a point reads back as the top left pixel of its block.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Clears the whole picture to colour and puts the print position back at the top left.
    void setBackColor(qint32 colour);
    qint32 backColor() const { return m_backColor; }
    void setForeColor(qint32 colour) { m_foreColor = colour; }
    qint32 foreColor() const { return m_foreColor; }

    // Sets one point; points outside the picture are ignored.
    void pset(int x, int y, qint32 colour);
    // The colour at (x, y), or -1 outside the picture.
    qint32 point(int x, int y) const;
    // Draws the one-pixel outline of the box with corners (x1, y1) and (x2, y2), clipped to the picture.
    void box(int x1, int y1, int x2, int y2, qint32 colour);

    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }
    // Prints text with its top left at the print position in the fore colour and the widget's font,
    // with a transparent background, then ends the line.
    void print(const QString &text);

    // Paints many points a row at a time, as fast as writing the image itself. The rectangle from (left, top)
    // to (right, bottom) is in points and is first clipped to the picture; then for each row y of it,
    // fillRow(y, row, from, to) sets row[x] to a colour as 0xFFRRGGBB for every x from `from` to `to`.
    // Call refresh() when done.
    template <typename FillRow> void paintRows(int left, int top, int right, int bottom, FillRow fillRow);

    // Device pixels per point along each axis: the screen's density, rounded up.
    int scale() const;
    // The image as shown, at scale() pixels per point. Writing it directly is only right at a scale of 1;
    // paintRows() works at any.
    QImage &image();
    const QImage &image() const;
    // Shows what was drawn.
    void refresh() { update(); }
    // Where printed text shows now, in points: each print adds its text's area, painting over an area or
    // clearing the picture takes it away. Lines laid over the picture leave these areas free.
    const QRegion &printedArea() const { return m_printedArea; }
    // Reports a click, as a left click does.
    void click() { emit clicked(); }

signals:
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    // The pointer moved while a button is held.
    void mouseMove(Qt::MouseButtons buttons, QPointF position);
    // A left click, or Enter or Space while the picture has the focus.
    void clicked();
    // An arrow key while the picture has the focus: one step left, right, up or down.
    void arrowKey(int dx, int dy, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Where a mouse event happened, in points, as exactly as the window system tells it: Qt rounds it to
    // a whole point, which at a scale factor above 1 is the neighbouring point for some device pixels.
    QPointF exactPosition(const QMouseEvent *event) const;
    bool containsExactly(QPointF position) const;
    // The three steps of a mouse click, given where they happened.
    bool press(const QMouseEvent *event, QPointF at);
    void release(const QMouseEvent *event, QPointF at);

    // The image follows the widget's size and the screen's density, also while the widget is hidden and gets
    // no resize events.
    void syncImageSize() const;
    // Copies the first device row of each point of row y, columns left to right, to the rows below it.
    void repeatRow(int y, int left, int right);

    mutable QImage m_image;
    QRegion m_printedArea;
    mutable int m_scale = 1;
    qint32 m_backColor;
    qint32 m_foreColor = 0;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_pressed = false;     // the left button went down on the picture
    bool m_pressInside = false; // some button went down on the picture and is not up yet
    bool m_fromWindow = false;  // ... and the window received that press, rounded off the picture
    bool m_watchingWindow = false;
};

template <typename FillRow>
void PictureBox::paintRows(int left, int top, int right, int bottom, FillRow fillRow)
{
    syncImageSize();
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width() - 1);
    bottom = std::min(bottom, height() - 1);
    if (left > right || top > bottom)
        return;
    if (!m_printedArea.isEmpty())
        m_printedArea -= QRect(QPoint(left, top), QPoint(right, bottom));
    if (m_scale == 1) {
        for (int y = top; y <= bottom; ++y)
            fillRow(y, reinterpret_cast<quint32 *>(m_image.scanLine(y)), left, right);
        return;
    }
    std::vector<quint32> row(size_t(right) + 1);
    for (int y = top; y <= bottom; ++y) {
        fillRow(y, row.data(), left, right);
        auto *pixels = reinterpret_cast<quint32 *>(m_image.scanLine(y * m_scale));
        for (int x = left; x <= right; ++x)
            std::fill_n(pixels + x * m_scale, m_scale, row[size_t(x)]);
        repeatRow(y, left, right);
    }
}
