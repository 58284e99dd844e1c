// SPDX-License-Identifier: MIT
#include "platform/foreignclipboard.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScopeGuard>

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <poll.h>

namespace platform {

namespace {

// How long the owner may take for its whole answer; longer would look like a frozen window.
constexpr int kAnswerMs = 1000;
// What is read of a longer text: no colour or base value comes near it.
constexpr qsizetype kTextLimit = 1 << 20;

struct Free
{
    void operator()(void *memory) const { std::free(memory); }
};
template <typename T> using Owned = std::unique_ptr<T, Free>;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The next event that wanted accepts, or nothing once the deadline has passed; other events are dropped.
Owned<xcb_generic_event_t> waitFor(xcb_connection_t *connection, const QDeadlineTimer &deadline,
                                   const std::function<bool(const xcb_generic_event_t &)> &wanted)
{
    for (;;) {
        while (Owned<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
            if (wanted(*event))
                return event;
        }
        const qint64 left = deadline.remainingTime();
        if (xcb_connection_has_error(connection) || left == 0)
            return nullptr;
        pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
        if (::poll(&socket, 1, int(left)) < 0 && errno != EINTR)
            return nullptr;
    }
}

// Reads and deletes property of window, up to max bytes.
Owned<xcb_get_property_reply_t> takeProperty(xcb_connection_t *connection, xcb_window_t window,
                                             xcb_atom_t property, qsizetype max)
{
    return Owned<xcb_get_property_reply_t>(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                                                std::uint32_t((max + 3) / 4)),
                               nullptr));
}

void append(QByteArray &bytes, const xcb_get_property_reply_t &reply)
{
    const qsizetype length = xcb_get_property_value_length(&reply);
    bytes.append(static_cast<const char *>(xcb_get_property_value(&reply)),
                 std::min(length, kTextLimit - bytes.size()));
}

// The data the owner put in property of window: at once, or in chunks (INCR), each written once the last one
// was taken and an empty one ending it. Nothing when it does not come in time.
std::optional<QByteArray> receive(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                                  xcb_atom_t chunked, const QDeadlineTimer &deadline)
{
    Owned<xcb_get_property_reply_t> reply = takeProperty(connection, window, property, kTextLimit);
    if (!reply)
        return std::nullopt;
    QByteArray bytes;
    if (reply->type != chunked) {
        append(bytes, *reply);
        return bytes;
    }
    while (bytes.size() < kTextLimit) {
        const auto written =
            waitFor(connection, deadline, [window, property](const xcb_generic_event_t &event) {
                const auto &notify = reinterpret_cast<const xcb_property_notify_event_t &>(event);
                return (event.response_type & 0x7f) == XCB_PROPERTY_NOTIFY && notify.window == window &&
                       notify.atom == property && notify.state == XCB_PROPERTY_NEW_VALUE;
            });
        reply = written ? takeProperty(connection, window, property, kTextLimit - bytes.size()) : nullptr;
        if (!reply)
            return std::nullopt;
        if (xcb_get_property_value_length(reply.get()) == 0)
            break;
        append(bytes, *reply);
    }
    return bytes;
}

} // namespace

ForeignText readForeignText(QClipboard::Mode mode)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || mode == QClipboard::FindBuffer)
        return {};
    // A connection of our own: Qt's would wait for the owner without a limit we set.
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    const auto disconnect = qScopeGuard([connection] { xcb_disconnect(connection); });
    if (xcb_connection_has_error(connection))
        return {};
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);

    ForeignText result{true, std::nullopt};
    const xcb_atom_t selection =
        mode == QClipboard::Selection ? xcb_atom_t(XCB_ATOM_PRIMARY) : internAtom(connection, "CLIPBOARD");
    const Owned<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    if (!owner || owner->owner == XCB_NONE)
        return result;

    // The owner answers into a property of a window of ours, which reports each change of it.
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    const xcb_atom_t property = internAtom(connection, "QUENBY_PASTE");
    const xcb_atom_t chunked = internAtom(connection, "INCR");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");
    const QDeadlineTimer deadline(kAnswerMs);
    // The forms of plain text, best first; an owner refuses at once a form it does not have.
    for (const xcb_atom_t target :
         {utf8, internAtom(connection, "text/plain;charset=utf-8"), xcb_atom_t(XCB_ATOM_STRING)}) {
        xcb_convert_selection(connection, window, selection, target, property, XCB_CURRENT_TIME);
        xcb_flush(connection);
        const auto answer = waitFor(connection, deadline, [window](const xcb_generic_event_t &event) {
            return (event.response_type & 0x7f) == XCB_SELECTION_NOTIFY &&
                   reinterpret_cast<const xcb_selection_notify_event_t &>(event).requestor == window;
        });
        if (!answer)
            return result;
        if (reinterpret_cast<const xcb_selection_notify_event_t &>(*answer).property == XCB_NONE)
            continue;
        if (const std::optional<QByteArray> bytes = receive(connection, window, property, chunked, deadline))
            result.text = target == XCB_ATOM_STRING ? QString::fromLatin1(*bytes) : QString::fromUtf8(*bytes);
        return result;
    }
    return result;
}

} // namespace platform
