// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

// A picture with a persistent image: drawing goes into the image, the widget only shows it, and reading a
// point returns what was drawn there. Colours are packed values red + 256 * green + 65536 * blue.
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

    // Direct access for painting many points; call refresh() when done.
    QImage &image();
    const QImage &image() const;
    // Shows what was drawn.
    void refresh() { update(); }

    static QRgb toRgb(qint32 colour);
    static qint32 fromRgb(QRgb rgb);

signals:
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    // A left click, or Enter or Space while the picture has the focus.
    void clicked();
    // An arrow key while the picture has the focus: one step left, right, up or down.
    void arrowKey(int dx, int dy, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The image follows the widget's size, also while the widget is hidden and gets no resize events.
    void syncImageSize() const;

    mutable QImage m_image;
    qint32 m_backColor;
    qint32 m_foreColor = 0;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_pressed = false;
};
