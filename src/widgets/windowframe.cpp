// SPDX-License-Identifier: MIT
#include "widgets/windowframe.h"

#include "platform/nativewindow.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace windowframe {

namespace {

const QString kCorrectionName = QStringLiteral("frameCorrection");

// The inside of a window in whole logical pixels, the nearest to the exact one.
QRect insideOf(const QWidget &window, const QRectF &frame, const QMarginsF &margins)
{
    const QRectF inside =
        frame.size().isEmpty()
            ? QRectF(frame.topLeft() + QPointF(margins.left(), margins.top()), window.size())
            : frame.marginsRemoved(margins);
    return QRect(qRound(inside.x()), qRound(inside.y()), qRound(inside.width()), qRound(inside.height()));
}

// Waits for the window's first exposure after placing, when the window manager has framed it, and then
// places the inside of the window again for the frame it really got. Runs once, so that it never undoes
// what the user does later.
class FrameCorrection : public QObject
{
public:
    FrameCorrection(QWidget &window, const QRectF &frame) : QObject(&window), m_window(window), m_frame(frame)
    {
        setObjectName(kCorrectionName);
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window.windowHandle()->isExposed()) {
            const QMarginsF margins = exactMargins(m_window);
            if (!margins.isNull()) {
                const QRect inside = insideOf(m_window, m_frame, margins);
                if (inside != m_window.geometry())
                    m_window.setGeometry(inside);
            }
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget &m_window;
    QRectF m_frame;
};

} // namespace

QMargins margins(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

QMarginsF exactMargins(const QWidget &window)
{
    if (const std::optional<QMarginsF> exact = platform::exactFrameMargins(window))
        return *exact;
    return window.windowHandle() ? QMarginsF(window.windowHandle()->frameMargins()) : QMarginsF();
}

QRectF exactFrame(const QWidget &window)
{
    if (const std::optional<QRectF> inside = platform::exactGeometry(window))
        return inside->marginsAdded(exactMargins(window));
    return QRectF(window.frameGeometry());
}

void placeFrame(QWidget &window, const QRectF &frame, const QWidget &model)
{
    // Qt's move() takes the outer corner only once the frame is known; the inside is always certain.
    window.winId();
    delete window.findChild<QObject *>(kCorrectionName, Qt::FindDirectChildrenOnly);
    const bool onScreen = window.isVisible() && window.windowHandle()->isExposed();
    const QMarginsF own = exactMargins(window);
    window.setGeometry(insideOf(window, frame, own.isNull() ? exactMargins(model) : own));
    if (!onScreen)
        new FrameCorrection(window, frame);
}

} // namespace windowframe
