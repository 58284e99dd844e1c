// SPDX-License-Identifier: MIT
// A window's place and frame as the X server and the window manager have them, in device pixels.
#include "platform/nativewindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The device pixels of one logical pixel of the window, and the device and logical top left corner of its
// screen, which Qt maps onto each other.
struct Scale
{
    qreal ratio;
    QPointF origin;
};

std::optional<Scale> scaleOf(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    const QScreen *screen = window.screen();
    if (!handle || !screen)
        return std::nullopt;
    return Scale{handle->devicePixelRatio(), QPointF(screen->geometry().topLeft())};
}

} // namespace

std::optional<QRectF> exactGeometry(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const std::optional<Scale> scale = scaleOf(window);
    if (!c || !scale || !window.isVisible())
        return std::nullopt;
    const auto id = xcb_window_t(window.winId());
    xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, id), nullptr);
    if (!geometry)
        return std::nullopt;
    xcb_translate_coordinates_reply_t *at =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, id, geometry->root, 0, 0), nullptr);
    std::optional<QRectF> rect;
    if (at) {
        const QPointF device(at->dst_x, at->dst_y);
        rect = QRectF(scale->origin + (device - scale->origin) / scale->ratio,
                      QSizeF(geometry->width, geometry->height) / scale->ratio);
    }
    std::free(at);
    std::free(geometry);
    return rect;
}

std::optional<QMarginsF> exactFrameMargins(const QWidget &window)
{
    xcb_connection_t *c = connection();
    const std::optional<Scale> scale = scaleOf(window);
    if (!c || !scale || !window.isVisible())
        return std::nullopt;
    const char name[] = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return std::nullopt;
    const xcb_atom_t extents = atom->atom;
    std::free(atom);
    xcb_get_property_reply_t *property = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(window.winId()), extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<QMarginsF> margins;
    if (property && property->format == 32 && xcb_get_property_value_length(property) == 16) {
        quint32 v[4]; // left, right, top, bottom
        std::memcpy(v, xcb_get_property_value(property), sizeof v);
        margins = QMarginsF(v[0], v[2], v[1], v[3]) / scale->ratio;
    }
    std::free(property);
    return margins;
}

QMargins frameMarginsBeforeShow(QWidget &)
{
    return {};
}

} // namespace platform
