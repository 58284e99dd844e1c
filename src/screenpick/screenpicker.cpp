// SPDX-License-Identifier: MIT
// The pickers that need nothing but Qt and the native seams: the pointer grab and the one that cannot pick.
#include "screenpick/screenpicker.h"

#include "screenpick/devicepixels.h"
#include "screenpick/sample.h"
#include "screenpick/screenpicker_native.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace platform {

namespace {

// A tiny window out of sight that holds the pointer and keyboard grabs while the pick runs; with the grab
// it receives every pointer movement, click and key press on the desktop.
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
    void moved();
    void pressed(Qt::MouseButton button);
    void clicked(Qt::MouseButton button);
    void stepped(int dx, int dy);
    void chosen();
    void escaped();
    void sampleKey(int size);
    void wheeled(int steps);

protected:
    void mouseMoveEvent(QMouseEvent *) override { emit moved(); }
    void mousePressEvent(QMouseEvent *event) override { emit pressed(event->button()); }
    // The pick ends on the release, so that no stray release reaches the window below once the grab is gone.
    void mouseReleaseEvent(QMouseEvent *event) override { emit clicked(event->button()); }
    void keyPressEvent(QKeyEvent *event) override
    {
        const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
        switch (event->key()) {
        case Qt::Key_Left:
            emit stepped(-step, 0);
            break;
        case Qt::Key_Right:
            emit stepped(step, 0);
            break;
        case Qt::Key_Up:
            emit stepped(0, -step);
            break;
        case Qt::Key_Down:
            emit stepped(0, step);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit chosen();
            break;
        case Qt::Key_Escape:
            emit escaped();
            break;
        default:
            if (const int size = sample::sizeOfKey(event->key()))
                emit sampleKey(size);
            break;
        }
    }
    void wheelEvent(QWheelEvent *event) override
    {
        // High-resolution wheels send parts of a step; a level changes once a whole step has come.
        m_wheel += event->angleDelta().y();
        if (const int steps = m_wheel / QWheelEvent::DefaultDeltasPerStep) {
            m_wheel -= steps * QWheelEvent::DefaultDeltasPerStep;
            emit wheeled(steps);
        }
    }

private:
    int m_wheel = 0;
};

// The mean of the square of size pixels around device.
QRgb colorAt(const QPoint &device, int size)
{
    const QImage square = deviceScreenArea(sample::squareAround(device, size));
    return square.isNull() ? qRgb(0, 0, 0) : sample::mean(square, square.rect());
}

// The device pixel under the pointer; Qt's logical position serves only where the window system cannot
// say exactly which device pixel the pointer is on.
QPoint pointerPixel()
{
    return devicePointerPosition().value_or(devicePixelOf(QCursor::pos()));
}

class GrabScreenPicker final : public ScreenPicker
{
public:
    GrabScreenPicker()
    {
        connect(&m_widget, &GrabWidget::moved, this, &GrabScreenPicker::report);
        connect(&m_widget, &GrabWidget::pressed, this, &GrabScreenPicker::onPressed);
        connect(&m_widget, &GrabWidget::clicked, this, &GrabScreenPicker::onClicked);
        connect(&m_widget, &GrabWidget::stepped, this, &GrabScreenPicker::step);
        connect(&m_widget, &GrabWidget::chosen, this, &GrabScreenPicker::pickHere);
        connect(&m_widget, &GrabWidget::escaped, this, &GrabScreenPicker::cancel);
        connect(&m_widget, &GrabWidget::sampleKey, this, [this](int size) {
            if (!m_area)
                emit sampleSizeChosen(size);
        });
        connect(&m_widget, &GrabWidget::wheeled, this, &GrabScreenPicker::wheelTurned);
        forwardWheelButtons(m_widget, [this](int steps) { emit wheelTurned(steps); });
        m_retry.setInterval(20);
        connect(&m_retry, &QTimer::timeout, this, &GrabScreenPicker::tryGrab);
        // Windows sends no movements outside the program's windows during a grab, and what is on the
        // screen may change under a resting pointer: polling keeps the colour and the pixels live.
        m_poll.setInterval(50);
        connect(&m_poll, &QTimer::timeout, this, &GrabScreenPicker::report);
    }

    ~GrabScreenPicker() override
    {
        forwardWheelButtons(m_widget, {});
        if (m_active)
            finish();
    }

    bool isActive() const override { return m_active; }

    void start() override { begin(false); }
    void startArea() override { begin(true); }
    void setSampleSize(int size) override
    {
        m_sampleSize = size;
        m_lastReported.reset();
        if (m_active && !m_retry.isActive())
            report();
    }

    void cancel() override
    {
        if (!m_active)
            return;
        finish();
        emit cancelled();
    }

    QImage screenArea(const QRect &device) const override { return deviceScreenArea(device); }

private:
    void begin(bool area)
    {
        if (m_active)
            return;
        m_active = true;
        m_area = area;
        m_anchor.reset();
        m_attempts = 0;
        m_lastReported.reset();
        m_widget.show();
        // The grab only takes once the helper window is on the screen, which the window system decides,
        // and not while another program holds the pointer (an open menu, a drag): it is tried for a second.
        m_retry.start();
    }

    void tryGrab()
    {
        const QWindow *window = m_widget.windowHandle();
        if (window && window->isVisible() && grabPointerAndKeyboard(m_widget)) {
            m_retry.stop();
            // Qt hands the events to the widget only while it holds Qt's own grabs too.
            m_widget.grabMouse(Qt::CrossCursor);
            m_widget.grabKeyboard();
            m_poll.start();
            report();
            return;
        }
        if (++m_attempts >= 50) {
            finish();
            emit failed(QStringLiteral("The pointer could not be captured for picking a color."));
        }
    }

    void report()
    {
        if (m_retry.isActive())
            return;
        const QPoint device = pointerPixel();
        emit pointerAt(device);
        if (!m_active)
            return; // a window that followed the pointer ended the pick
        const QRgb color = colorAt(device, m_area ? 1 : m_sampleSize);
        if (m_lastReported == color)
            return;
        m_lastReported = color;
        emit hovered(color);
    }

    void step(int dx, int dy)
    {
        warpPointer(pointerPixel() + QPoint(dx, dy));
        report();
    }

    void pickHere()
    {
        const QPoint here = pointerPixel();
        if (m_area) {
            // The first press, or Enter, is one corner; the release, or the next Enter, the other.
            if (!m_anchor) {
                anchorAt(here);
                return;
            }
            const QRect area = QRect(*m_anchor, here).normalized();
            finish();
            emit areaPicked(area);
            return;
        }
        const QRgb color = colorAt(here, m_sampleSize);
        finish();
        emit picked(color);
    }

    void anchorAt(const QPoint &device)
    {
        m_anchor = device;
        emit areaStarted(device);
    }

    void onPressed(Qt::MouseButton button)
    {
        if (m_area && button == Qt::LeftButton && !m_anchor && !m_retry.isActive())
            anchorAt(pointerPixel());
    }

    void onClicked(Qt::MouseButton button)
    {
        if (button == Qt::LeftButton && (!m_area || m_anchor))
            pickHere();
        else if (button == Qt::RightButton)
            cancel();
    }

    void finish()
    {
        m_retry.stop();
        m_poll.stop();
        if (QWidget::mouseGrabber() == &m_widget)
            m_widget.releaseMouse();
        if (QWidget::keyboardGrabber() == &m_widget)
            m_widget.releaseKeyboard();
        releasePointerAndKeyboard(m_widget);
        m_widget.hide();
        m_active = false;
    }

    GrabWidget m_widget;
    QTimer m_retry;
    QTimer m_poll;
    int m_attempts = 0;
    bool m_active = false;
    bool m_area = false;
    int m_sampleSize = 1;
    std::optional<QPoint> m_anchor;
    std::optional<QRgb> m_lastReported;
};

class UnavailableScreenPicker final : public ScreenPicker
{
public:
    explicit UnavailableScreenPicker(const QString &reason) : m_reason(reason) {}

    bool isActive() const override { return m_active; }

    void startArea() override { start(); }

    void start() override
    {
        if (m_active)
            return;
        m_active = true;
        QTimer::singleShot(0, this, [this] {
            if (!m_active)
                return;
            m_active = false;
            emit failed(m_reason);
        });
    }

    void cancel() override
    {
        if (!m_active)
            return;
        m_active = false;
        emit cancelled();
    }

private:
    QString m_reason;
    bool m_active = false;
};

} // namespace

void ScreenPicker::startArea()
{
    QTimer::singleShot(0, this, [this] { emit failed(screenPickUnavailableText()); });
}

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
