// SPDX-License-Identifier: MIT
#include "widgets/overlaylayer.h"

#include "widgets/picturebox.h"

#include <QEvent>
#include <QPainter>

OverlayLayer::OverlayLayer(QWidget *picture) : QWidget(picture)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
}

void OverlayLayer::setImage(const QImage &image)
{
    m_image = image;
    update();
}

void OverlayLayer::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    if (const auto *picture = qobject_cast<const PictureBox *>(parentWidget());
        picture && !picture->printedArea().isEmpty()) {
        QRegion free(rect());
        for (const QRect &text : picture->printedArea())
            free -= text.adjusted(-1, -1, 1, 1);
        painter.setClipRegion(free);
    }
    painter.drawImage(rect(), m_image);
}

bool OverlayLayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
