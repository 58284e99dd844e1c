// SPDX-License-Identifier: MIT
// The pickers that need nothing but Qt: the pointer grab and the one that cannot pick.
#include "platform/screenpicker.h"

#include "platform/screenpicker_native.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtMath>

#include <algorithm>
#include <optional>

namespace platform {

namespace {

// The screen showing a device pixel; a screen's logical geometry keeps its device top-left corner and
// divides its size by the scale factor.
QScreen *screenOfDevicePixel(const QPoint &device)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect logical = screen->geometry();
        const QSizeF size = QSizeF(logical.size()) * screen->devicePixelRatio();
        if (QRectF(logical.topLeft(), size).contains(device))
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

QPoint devicePixelOf(const QPointF &logical)
{
    QScreen *screen = QGuiApplication::screenAt(logical.toPoint());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return logical.toPoint();
    const QPoint origin = screen->geometry().topLeft();
    return origin + ((logical - origin) * screen->devicePixelRatio()).toPoint();
}

// The colour of one device pixel. QScreen::grabWindow takes logical coordinates and starts at the device
// pixel qRound(x * factor), so at a scale factor above 1 not every device pixel can start a grab: a
// two-pixel logical area that contains the pixel is grabbed and the pixel taken from it.
QRgb colorOfDevicePixel(const QPoint &device)
{
    QScreen *screen = screenOfDevicePixel(device);
    if (!screen)
        return qRgb(0, 0, 0);
    const qreal factor = screen->devicePixelRatio();
    const QPoint local = device - screen->geometry().topLeft();
    const QPoint origin(qFloor(local.x() / factor), qFloor(local.y() / factor));
    const QPoint offset = local - QPoint(qRound(origin.x() * factor), qRound(origin.y() * factor));
    const QImage image = screen->grabWindow(0, origin.x(), origin.y(), 2, 2).toImage();
    if (image.isNull())
        return qRgb(0, 0, 0);
    const int x = std::clamp(offset.x(), 0, image.width() - 1);
    const int y = std::clamp(offset.y(), 0, image.height() - 1);
    return image.pixel(x, y) | 0xFF000000u;
}

// The colour under the pointer; Qt's logical position serves only where the window system cannot say
// exactly which device pixel the pointer is on.
QRgb colorUnderPointer(const QPointF &logical)
{
    return colorOfDevicePixel(devicePointerPosition().value_or(devicePixelOf(logical)));
}

// A tiny window out of sight that holds the pointer and keyboard grabs while the pick runs; with the grab
// it receives every pointer movement and click on the desktop.
class GrabWidget final : public QWidget
{
    Q_OBJECT

public:
    GrabWidget()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::X11BypassWindowManagerHint)
    {
        setObjectName(QStringLiteral("screenPickerGrab"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setMouseTracking(true);
        setGeometry(-10, -10, 1, 1);
    }

signals:
    void moved(const QPointF &globalPosition);
    void clicked(Qt::MouseButton button, const QPointF &globalPosition);
    void escaped();

protected:
    void mouseMoveEvent(QMouseEvent *event) override { emit moved(event->globalPosition()); }
    // The pick ends on the release, so that no stray release reaches the window below once the grab is gone.
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        emit clicked(event->button(), event->globalPosition());
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape)
            emit escaped();
    }
};

class GrabScreenPicker final : public ScreenPicker
{
public:
    GrabScreenPicker()
    {
        connect(&m_widget, &GrabWidget::moved, this, &GrabScreenPicker::report);
        connect(&m_widget, &GrabWidget::clicked, this, &GrabScreenPicker::onClicked);
        connect(&m_widget, &GrabWidget::escaped, this, &GrabScreenPicker::cancel);
        m_retry.setInterval(20);
        connect(&m_retry, &QTimer::timeout, this, &GrabScreenPicker::tryGrab);
        // Windows sends no movements outside the program's windows during a grab; polling the pointer keeps
        // the live colour moving there. X11 sends them all, in finer steps than the polled position.
        m_poll.setInterval(40);
        connect(&m_poll, &QTimer::timeout, this, [this] { report(QCursor::pos()); });
    }

    bool isAvailable() const override
    {
        const QString platform = QGuiApplication::platformName();
        return platform == u"xcb" || platform == u"windows";
    }

    bool isActive() const override { return m_active; }

    void start() override
    {
        if (m_active)
            return;
        m_active = true;
        m_attempts = 0;
        m_lastReported.reset();
        m_widget.show();
        // The grab only takes once the helper window is on the screen, which the window system decides.
        m_retry.start();
    }

private:
    void tryGrab()
    {
        QWindow *window = m_widget.windowHandle();
        if (window && window->isExposed() && window->setMouseGrabEnabled(true) &&
            window->setKeyboardGrabEnabled(true)) {
            m_retry.stop();
            m_widget.grabMouse(Qt::CrossCursor);
            m_widget.grabKeyboard();
            if (QGuiApplication::platformName() != u"xcb")
                m_poll.start();
            report(QCursor::pos());
            return;
        }
        if (++m_attempts >= 50) {
            finish();
            emit failed(QStringLiteral("The pointer could not be captured for picking a color."));
        }
    }

    void report(const QPointF &position)
    {
        const QRgb color = colorUnderPointer(position);
        if (m_lastReported == color)
            return;
        m_lastReported = color;
        emit hovered(color);
    }

    void onClicked(Qt::MouseButton button, const QPointF &position)
    {
        if (button == Qt::LeftButton) {
            const QRgb color = colorUnderPointer(position);
            finish();
            emit picked(color);
        } else if (button == Qt::RightButton) {
            cancel();
        }
    }

    void cancel()
    {
        finish();
        emit cancelled();
    }

    void finish()
    {
        m_retry.stop();
        m_poll.stop();
        if (QWidget::mouseGrabber() == &m_widget)
            m_widget.releaseMouse();
        if (QWidget::keyboardGrabber() == &m_widget)
            m_widget.releaseKeyboard();
        if (QWindow *window = m_widget.windowHandle()) {
            window->setMouseGrabEnabled(false);
            window->setKeyboardGrabEnabled(false);
        }
        m_widget.hide();
        m_active = false;
    }

    GrabWidget m_widget;
    QTimer m_retry;
    QTimer m_poll;
    int m_attempts = 0;
    bool m_active = false;
    std::optional<QRgb> m_lastReported;
};

class UnavailableScreenPicker final : public ScreenPicker
{
public:
    explicit UnavailableScreenPicker(const QString &reason) : m_reason(reason) {}

    bool isAvailable() const override { return false; }
    bool isActive() const override { return m_active; }

    void start() override
    {
        if (m_active)
            return;
        m_active = true;
        QTimer::singleShot(0, this, [this] {
            m_active = false;
            emit failed(m_reason);
        });
    }

private:
    QString m_reason;
    bool m_active = false;
};

} // namespace

QString screenPickUnavailableText()
{
    return QStringLiteral("Picking from the screen is not available on this desktop.");
}

std::unique_ptr<ScreenPicker> createGrabScreenPicker()
{
    return std::make_unique<GrabScreenPicker>();
}

std::unique_ptr<ScreenPicker> createUnavailableScreenPicker(const QString &reason)
{
    return std::make_unique<UnavailableScreenPicker>(reason);
}

} // namespace platform

#include "screenpicker.moc"
