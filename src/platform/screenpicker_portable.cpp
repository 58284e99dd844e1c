// SPDX-License-Identifier: MIT
// Screen picking outside Windows: a pointer grab under X11, the desktop portal under Wayland.
#include "platform/screenpicker_native.h"
#include "platform/screenpicker_portal.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// The portal's colour, three doubles from 0 to 1, as a 24-bit colour rounded to the nearest level.
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
        if (!std::isfinite(channels[i]))
            return std::nullopt;
        levels[i] = int(std::lround(std::clamp(channels[i], 0.0, 1.0) * 255));
    }
    return qRgb(levels[0], levels[1], levels[2]);
}

class PortalScreenPicker final : public ScreenPicker
{
    Q_OBJECT

public:
    explicit PortalScreenPicker(const QDBusConnection &bus) : m_bus(bus) {}

    ~PortalScreenPicker() override { stopListening(); }

    // Asks only the bus itself, which answers at once; whether the portal can pick shows when it is asked.
    bool isAvailable() const override
    {
        QDBusConnectionInterface *bus = m_bus.isConnected() ? m_bus.interface() : nullptr;
        if (!bus)
            return false;
        if (bus->isServiceRegistered(kService))
            return true;
        const QDBusReply<QStringList> activatable = bus->activatableServiceNames();
        return activatable.isValid() && activatable.value().contains(kService);
    }

    bool isActive() const override { return m_active; }

    void start() override
    {
        if (m_active)
            return;
        m_active = true;
        const QString token = QStringLiteral("quenby%1").arg(QRandomGenerator::global()->generate());
        // The portal names the request object after our bus name and the token; listening before the
        // call means that even an immediate answer is heard.
        QString sender = m_bus.baseService().mid(1);
        sender.replace(u'.', u'_');
        listen(kPath + QStringLiteral("/request/") + sender + u'/' + token);

        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kScreenshot, QStringLiteral("PickColor"));
        call << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalScreenPicker::onCallFinished);
    }

private slots:
    void onResponse(uint response, const QVariantMap &results)
    {
        if (!m_active)
            return;
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
    void onCallFinished(QDBusPendingCallWatcher *watcher)
    {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (!m_active)
            return;
        if (reply.isError()) {
            finish();
            const QDBusError::ErrorType type = reply.error().type();
            const bool missing = type == QDBusError::ServiceUnknown || type == QDBusError::UnknownMethod ||
                                 type == QDBusError::UnknownInterface || type == QDBusError::UnknownObject;
            emit failed(missing ? screenPickUnavailableText()
                                : QStringLiteral("The desktop could not pick a color: ") +
                                      reply.error().message());
            return;
        }
        // Older portals choose the request path themselves.
        if (reply.value().path() != m_listening)
            listen(reply.value().path());
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

    void finish()
    {
        stopListening();
        m_active = false;
    }

    QDBusConnection m_bus;
    QString m_listening;
    bool m_active = false;
};

} // namespace

std::optional<QPoint> devicePointerPosition()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
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

std::unique_ptr<ScreenPicker> createPortalScreenPicker(const QDBusConnection &bus)
{
    return std::make_unique<PortalScreenPicker>(bus);
}

std::unique_ptr<ScreenPicker> createScreenPicker()
{
    const QString platform = QGuiApplication::platformName();
    // Under XWayland the X server cannot see the other programs' windows, so the portal is asked first.
    const bool waylandSession =
        platform.startsWith(u"wayland") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (waylandSession) {
        std::unique_ptr<ScreenPicker> portal = createPortalScreenPicker();
        if (portal->isAvailable())
            return portal;
    }
    if (platform == u"xcb")
        return createGrabScreenPicker();
    return createUnavailableScreenPicker(screenPickUnavailableText());
}

} // namespace platform

#include "screenpicker_portable.moc"
