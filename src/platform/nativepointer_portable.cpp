// SPDX-License-Identifier: MIT
// The X server's own positions of pointer events, from the core protocol and from XInput 2, which gives
// them to a fraction of a device pixel.
#include "platform/nativepointer.h"
#include "platform/xinput_portable.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

enum class Kind { Press, Release, Motion };

struct PointerEvent
{
    quint32 time = 0;
    Kind kind = Kind::Motion;
    quint32 window = 0;
    QPointF position; // in device pixels of window
};

class PointerRecorder final : public QAbstractNativeEventFilter
{
public:
    explicit PointerRecorder(xcb_connection_t *connection) : m_xinput(xinputOpcode(connection)) {}

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const quint8 code = event->response_type & 0x7F;
        if (code == XCB_BUTTON_PRESS || code == XCB_BUTTON_RELEASE || code == XCB_MOTION_NOTIFY) {
            // Press, release and motion events share their layout.
            const auto *e = static_cast<const xcb_button_press_event_t *>(message);
            if (code != XCB_MOTION_NOTIFY && e->detail > 3)
                return false; // the wheel
            record({e->time,
                    code == XCB_BUTTON_PRESS     ? Kind::Press
                    : code == XCB_BUTTON_RELEASE ? Kind::Release
                                                 : Kind::Motion,
                    e->event, QPointF(e->event_x, e->event_y)});
        } else if (code == XCB_GE_GENERIC && m_xinput && event->pad0 == m_xinput) {
            XiDeviceEvent e;
            std::memcpy(&e, message, sizeof e);
            if (e.eventType != kXiButtonPress && e.eventType != kXiButtonRelease && e.eventType != kXiMotion)
                return false;
            if (e.eventType != kXiMotion && e.detail > 3)
                return false;
            const auto at = [](qint32 fixed) { return fixed / 65536.0; };
            record({e.time,
                    e.eventType == kXiButtonPress     ? Kind::Press
                    : e.eventType == kXiButtonRelease ? Kind::Release
                                                      : Kind::Motion,
                    e.event, QPointF(at(e.eventX), at(e.eventY))});
        }
        return false;
    }

    std::optional<PointerEvent> find(quint32 time, Kind kind, quint32 window) const
    {
        // The newest first: of several events in one millisecond, Qt delivers the last.
        for (size_t i = 0; i < m_events.size(); ++i) {
            const PointerEvent &e = m_events[(m_next + m_events.size() - 1 - i) % m_events.size()];
            if (e.time == time && e.kind == kind && e.window == window)
                return e;
        }
        return std::nullopt;
    }

private:
    void record(const PointerEvent &event)
    {
        m_events[m_next] = event;
        m_next = (m_next + 1) % m_events.size();
    }

    const quint8 m_xinput;
    std::array<PointerEvent, 64> m_events{};
    size_t m_next = 0;
};

PointerRecorder *recorder = nullptr;

} // namespace

void recordNativePointerEvents()
{
    if (recorder || !qGuiApp)
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    // Lives as long as the program: the application keeps a pointer to it.
    recorder = new PointerRecorder(x11->connection());
    qGuiApp->installNativeEventFilter(recorder);
}

std::optional<QPointF> exactWindowPosition(const QMouseEvent &event, const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    if (!recorder || !handle)
        return std::nullopt;
    Kind kind = Kind::Motion;
    if (event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick)
        kind = Kind::Press;
    else if (event.type() == QEvent::MouseButtonRelease)
        kind = Kind::Release;
    else if (event.type() != QEvent::MouseMove)
        return std::nullopt;
    const std::optional<PointerEvent> found =
        recorder->find(quint32(event.timestamp()), kind, quint32(window.winId()));
    if (!found)
        return std::nullopt;
    return found->position / handle->devicePixelRatio();
}

} // namespace platform
