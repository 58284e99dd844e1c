// SPDX-License-Identifier: MIT
// Screen picking outside Windows: a pointer grab under X11, the desktop portal under Wayland.
#include "platform/xinput_portable.h"
#include "screenpick/devicepixels.h"
#include "screenpick/pixelformat.h"
#include "screenpick/screenpicker_native.h"
#include "screenpick/screenpicker_portal.h"

#include <QAbstractNativeEventFilter>
#include <QDBusArgument>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>

namespace platform {

namespace {

xcb_connection_t *x11Connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

const xcb_screen_t *rootScreen(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
}

// How the root window's pixels come in a ZPixmap image; nothing for a visual without fixed channel masks
// (a colour map of 256 entries), which Qt's grab reads instead.
std::optional<PixelLayout> rootLayout(xcb_connection_t *connection, const xcb_screen_t &screen)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    std::optional<PixelLayout> layout;
    for (auto depths = xcb_screen_allowed_depths_iterator(&screen); depths.rem; xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals)) {
            const xcb_visualtype_t &visual = *visuals.data;
            if (visual.visual_id == screen.root_visual && visual._class == XCB_VISUAL_CLASS_TRUE_COLOR)
                layout = PixelLayout{visual.red_mask, visual.green_mask, visual.blue_mask};
        }
    }
    if (!layout)
        return std::nullopt;
    layout->bitsPerPixel = 0;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats)) {
        if (formats.data->depth == screen.root_depth) {
            layout->bitsPerPixel = formats.data->bits_per_pixel;
            layout->scanlinePad = formats.data->scanline_pad;
        }
    }
    layout->mostSignificantByteFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
    if (layout->bitsPerPixel % 8 != 0 || layout->bitsPerPixel == 0)
        return std::nullopt;
    return layout;
}

// Qt makes wheel events only of smooth scrolling once XInput 2.1 is there, and drops the wheel's button
// presses, which are all that devices without it (and synthetic input) send.
class WheelButtons final : public QAbstractNativeEventFilter
{
public:
    explicit WheelButtons(xcb_connection_t *connection) : m_xinput(xinputOpcode(connection)) {}

    std::map<xcb_window_t, std::function<void(int)>> windows;

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || windows.empty())
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const quint8 code = event->response_type & 0x7F;
        quint32 window = 0, button = 0;
        if (code == XCB_BUTTON_PRESS) {
            const auto *press = static_cast<const xcb_button_press_event_t *>(message);
            window = press->event;
            button = press->detail;
        } else if (code == XCB_GE_GENERIC && m_xinput && event->pad0 == m_xinput) {
            XiDeviceEvent e;
            std::memcpy(&e, message, sizeof e);
            if (e.eventType != kXiButtonPress || e.flags & kXiPointerEmulated)
                return false;
            window = e.event;
            button = e.detail;
        } else {
            return false;
        }
        const auto found = windows.find(window);
        if (found == windows.end() || (button != 4 && button != 5))
            return false;
        found->second(button == 4 ? 1 : -1);
        return true;
    }

private:
    const quint8 m_xinput;
};

WheelButtons *wheelButtons = nullptr;

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
// The bus itself answers at once; longer means it does not answer at all.
constexpr int kBusAnswerMs = 1000;

// The portal's colour, three doubles from 0 to 1, as a 24-bit colour rounded to the nearest level; nothing
// for anything else, a channel outside 0..1 included.
std::optional<QRgb> portalColor(const QVariant &value)
{
    if (!value.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = value.value<QDBusArgument>();
    if (argument.currentSignature() != u"(ddd)")
        return std::nullopt;
    double channels[3] = {};
    argument.beginStructure();
    argument >> channels[0] >> channels[1] >> channels[2];
    argument.endStructure();
    int levels[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!(channels[i] >= 0.0 && channels[i] <= 1.0)) // NaN fails both
            return std::nullopt;
        levels[i] = int(std::lround(channels[i] * 255));
    }
    return qRgb(levels[0], levels[1], levels[2]);
}

class PortalScreenPicker final : public ScreenPicker
{
    Q_OBJECT

public:
    PortalScreenPicker(const QDBusConnection &bus,
                       std::function<std::unique_ptr<ScreenPicker>()> withoutPortal, int answerLimitMs)
        : m_bus(bus), m_withoutPortal(std::move(withoutPortal))
    {
        m_answerLimit.setSingleShot(true);
        m_answerLimit.setInterval(answerLimitMs);
        connect(&m_answerLimit, &QTimer::timeout, this, [this] {
            giveUpRequest();
            finish();
            emit failed(QStringLiteral("The desktop did not answer the request to pick a color."));
        });
    }

    ~PortalScreenPicker() override { giveUpRequest(); }

    bool isActive() const override { return m_other ? m_other->isActive() : m_active; }

    void start() override
    {
        if (m_other) {
            m_other->start();
            return;
        }
        giveUpRequest();
        m_active = true;
        const int pick = ++m_pick;
        m_answerLimit.start();
        if (!m_bus.isConnected()) {
            QTimer::singleShot(0, this, [this, pick] { failIfCurrent(pick, screenPickUnavailableText()); });
            return;
        }
        // The bus is asked whether the portal runs or can be started, as two questions it answers itself.
        askBus(pick, QStringLiteral("NameHasOwner"), {kService}, [this, pick](const QDBusMessage &reply) {
            if (reply.arguments().value(0).toBool()) {
                requestPick(pick);
                return;
            }
            askBus(pick, QStringLiteral("ListActivatableNames"), {}, [this, pick](const QDBusMessage &names) {
                if (names.arguments().value(0).toStringList().contains(kService))
                    requestPick(pick);
                else
                    pickWithoutPortal(pick);
            });
        });
    }

    void cancel() override
    {
        if (m_other) {
            m_other->cancel();
            return;
        }
        if (!m_active)
            return;
        giveUpRequest();
        finish();
        emit cancelled();
    }

    void startArea() override
    {
        if (m_other)
            m_other->startArea();
        else
            ScreenPicker::startArea();
    }

    void setSampleSize(int size) override
    {
        if (m_other)
            m_other->setSampleSize(size);
    }

    QImage screenArea(const QRect &device) const override
    {
        return m_other ? m_other->screenArea(device) : QImage();
    }

private slots:
    void onResponse(uint response, const QVariantMap &results)
    {
        if (!m_active)
            return;
        stopListening();
        finish();
        if (response == 1) {
            emit cancelled();
            return;
        }
        const std::optional<QRgb> color =
            response == 0 ? portalColor(results.value(QStringLiteral("color"))) : std::nullopt;
        if (color)
            emit picked(*color);
        else
            emit failed(QStringLiteral("The desktop could not pick a color from the screen."));
    }

private:
    bool isCurrent(int pick) const { return m_active && pick == m_pick; }

    void failIfCurrent(int pick, const QString &reason)
    {
        if (!isCurrent(pick))
            return;
        giveUpRequest();
        finish();
        emit failed(reason);
    }

    void askBus(int pick, const QString &method, const QVariantList &arguments,
                std::function<void(const QDBusMessage &)> answered)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                           QStringLiteral("/org/freedesktop/DBus"),
                                                           QStringLiteral("org.freedesktop.DBus"), method);
        call.setArguments(arguments);
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kBusAnswerMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, pick, answered = std::move(answered)](QDBusPendingCallWatcher *w) {
                    w->deleteLater();
                    if (!isCurrent(pick))
                        return;
                    if (w->isError())
                        failIfCurrent(pick, screenPickUnavailableText());
                    else
                        answered(w->reply());
                });
    }

    void pickWithoutPortal(int pick)
    {
        if (!m_withoutPortal) {
            failIfCurrent(pick, screenPickUnavailableText());
            return;
        }
        finish();
        m_other = m_withoutPortal();
        connect(m_other.get(), &ScreenPicker::hovered, this, &ScreenPicker::hovered);
        connect(m_other.get(), &ScreenPicker::pointerAt, this, &ScreenPicker::pointerAt);
        connect(m_other.get(), &ScreenPicker::wheelTurned, this, &ScreenPicker::wheelTurned);
        connect(m_other.get(), &ScreenPicker::picked, this, &ScreenPicker::picked);
        connect(m_other.get(), &ScreenPicker::sampleSizeChosen, this, &ScreenPicker::sampleSizeChosen);
        connect(m_other.get(), &ScreenPicker::areaStarted, this, &ScreenPicker::areaStarted);
        connect(m_other.get(), &ScreenPicker::areaPicked, this, &ScreenPicker::areaPicked);
        connect(m_other.get(), &ScreenPicker::cancelled, this, &ScreenPicker::cancelled);
        connect(m_other.get(), &ScreenPicker::failed, this, &ScreenPicker::failed);
        m_other->start();
    }

    void requestPick(int pick)
    {
        const QString token = QStringLiteral("quenby%1").arg(QRandomGenerator::global()->generate());
        // The portal names the request object after our bus name and the token; listening before the
        // call means that even an immediate answer is heard.
        QString sender = m_bus.baseService().mid(1);
        sender.replace(u'.', u'_');
        listen(kPath + QStringLiteral("/request/") + sender + u'/' + token);

        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("PickColor"));
        call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
        // Starting the portal may take a while; the answer limit bounds the whole pick.
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, m_answerLimit.interval()), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, pick](QDBusPendingCallWatcher *w) {
            w->deleteLater();
            const QDBusPendingReply<QDBusObjectPath> reply = *w;
            if (!isCurrent(pick))
                return;
            if (reply.isError()) {
                const QDBusError::ErrorType type = reply.error().type();
                const bool missing =
                    type == QDBusError::ServiceUnknown || type == QDBusError::UnknownMethod ||
                    type == QDBusError::UnknownInterface || type == QDBusError::UnknownObject;
                failIfCurrent(pick, missing ? screenPickUnavailableText()
                                            : QStringLiteral("The desktop could not pick a color: ") +
                                                  reply.error().message());
                return;
            }
            // Older portals choose the request path themselves.
            if (reply.value().path() != m_listening)
                listen(reply.value().path());
        });
    }

    void listen(const QString &path)
    {
        stopListening();
        m_listening = path;
        // Signals of other programs on the bus can only be connected by slot signature.
        m_bus.connect(kService, path, kRequest, QStringLiteral("Response"), this,
                      SLOT(onResponse(uint, QVariantMap)));
    }

    void stopListening()
    {
        if (m_listening.isEmpty())
            return;
        m_bus.disconnect(kService, m_listening, kRequest, QStringLiteral("Response"), this,
                         SLOT(onResponse(uint, QVariantMap)));
        m_listening.clear();
    }

    // Closes the request the portal has not answered, so that its own picker goes away, and stops
    // listening for its answer; nothing waits for the portal.
    void giveUpRequest()
    {
        if (m_listening.isEmpty())
            return;
        QDBusMessage close =
            QDBusMessage::createMethodCall(kService, m_listening, kRequest, QStringLiteral("Close"));
        close.setAutoStartService(false);
        m_bus.send(close);
        stopListening();
    }

    void finish()
    {
        m_answerLimit.stop();
        m_active = false;
    }

    QDBusConnection m_bus;
    std::function<std::unique_ptr<ScreenPicker>()> m_withoutPortal;
    std::unique_ptr<ScreenPicker> m_other; // picks once the bus said there is no portal
    QTimer m_answerLimit;
    QString m_listening;
    int m_pick = 0;
    bool m_active = false;
};

} // namespace

std::optional<QPoint> devicePointerPosition()
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = connection ? rootScreen(connection) : nullptr;
    if (!screen)
        return std::nullopt;
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    if (!reply)
        return std::nullopt;
    const QPoint position(reply->root_x, reply->root_y);
    std::free(reply);
    return position;
}

bool grabPointerAndKeyboard(QWidget &window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return false;
    const auto id = xcb_window_t(window.winId());
    constexpr uint16_t events =
        XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE | XCB_EVENT_MASK_POINTER_MOTION;
    xcb_grab_pointer_reply_t *pointer =
        xcb_grab_pointer_reply(connection,
                               xcb_grab_pointer(connection, false, id, events, XCB_GRAB_MODE_ASYNC,
                                                XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME),
                               nullptr);
    const bool pointerHeld = pointer && pointer->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(pointer);
    if (!pointerHeld)
        return false;
    xcb_grab_keyboard_reply_t *keyboard = xcb_grab_keyboard_reply(
        connection,
        xcb_grab_keyboard(connection, false, id, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool keyboardHeld = keyboard && keyboard->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(keyboard);
    if (!keyboardHeld) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
    return keyboardHeld;
}

void releasePointerAndKeyboard(QWidget &)
{
    // The server releases only grabs this program holds.
    if (xcb_connection_t *connection = x11Connection()) {
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
        xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
        xcb_flush(connection);
    }
}

void forwardWheelButtons(QWidget &window, std::function<void(int)> turned)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    if (!wheelButtons) {
        // Lives as long as the program: the application keeps a pointer to it.
        wheelButtons = new WheelButtons(connection);
        qGuiApp->installNativeEventFilter(wheelButtons);
    }
    const auto id = xcb_window_t(window.winId());
    if (turned)
        wheelButtons->windows[id] = std::move(turned);
    else
        wheelButtons->windows.erase(id);
}

void warpPointer(const QPoint &device)
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = connection ? rootScreen(connection) : nullptr;
    if (!screen)
        return;
    xcb_warp_pointer(connection, XCB_NONE, screen->root, 0, 0, 0, 0, qint16(device.x()), qint16(device.y()));
    xcb_flush(connection);
}

QImage deviceScreenArea(const QRect &device)
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = connection ? rootScreen(connection) : nullptr;
    const std::optional<PixelLayout> layout = screen ? rootLayout(connection, *screen) : std::nullopt;
    if (!layout)
        return grabDevicePixels(device);
    QImage image(device.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // The server reads only inside the root window.
    const QRect part = device & QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    if (part.isEmpty())
        return image;
    xcb_get_image_reply_t *reply = xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, qint16(part.x()), qint16(part.y()),
                      quint16(part.width()), quint16(part.height()), ~0u),
        nullptr);
    if (!reply)
        return image;
    writePixels(xcb_get_image_data(reply), xcb_get_image_data_length(reply), part.size(), *layout, image,
                part.topLeft() - device.topLeft());
    std::free(reply);
    return image;
}

std::unique_ptr<ScreenPicker>
createPortalScreenPicker(const QDBusConnection &bus,
                         std::function<std::unique_ptr<ScreenPicker>()> withoutPortal, int answerLimitMs)
{
    return std::make_unique<PortalScreenPicker>(bus, std::move(withoutPortal), answerLimitMs);
}

std::unique_ptr<ScreenPicker> createScreenPicker()
{
    const QString platform = QGuiApplication::platformName();
    // Under XWayland the X server cannot see the other programs' windows, so the portal is asked first.
    const bool waylandSession =
        platform.startsWith(u"wayland") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (waylandSession) {
        std::function<std::unique_ptr<ScreenPicker>()> withoutPortal;
        if (platform == u"xcb")
            withoutPortal = createGrabScreenPicker;
        return createPortalScreenPicker(QDBusConnection::sessionBus(), withoutPortal);
    }
    if (platform == u"xcb")
        return createGrabScreenPicker();
    return createUnavailableScreenPicker(screenPickUnavailableText());
}

} // namespace platform

#include "screenpicker_portable.moc"
