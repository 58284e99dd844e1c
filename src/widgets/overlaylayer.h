// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

// A transparent layer over a picture that shows lines which are not the picture's content: it covers its
// parent, lets the mouse through, and never draws into the picture's own image, so picks still read the
// picture's exact colours. Over a PictureBox it leaves the printed text and a point around it free, so
// captions stay legible.
class OverlayLayer : public QWidget
{
    Q_OBJECT

public:
    explicit OverlayLayer(QWidget *picture);

    // The lines to show, one image pixel per logical point of the picture; a null image shows nothing.
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QImage m_image;
};
