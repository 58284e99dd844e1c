// SPDX-License-Identifier: MIT
#pragma once
// What the X11 code reads of XInput 2 without linking its library: the extension's opcode and the wire
// layout of its device events.

#include <QtGlobal>

#include <xcb/xcb.h>

#include <cstdlib>

namespace platform {

// XInput 2's device events as they arrive from xcb (the wire layout, with xcb's full sequence at 32).
struct XiDeviceEvent
{
    quint8 responseType;
    quint8 extension;
    quint16 sequence;
    quint32 length;
    quint16 eventType;
    quint16 deviceId;
    quint32 time;
    quint32 detail;
    quint32 root;
    quint32 event;
    quint32 child;
    quint32 fullSequence;
    qint32 rootX, rootY, eventX, eventY; // 16.16 fixed point
    quint16 buttonsLength, valuatorsLength, sourceId, pad;
    quint32 flags;
};
constexpr quint16 kXiButtonPress = 4, kXiButtonRelease = 5, kXiMotion = 6;
// Marks a wheel press that Qt has already turned into smooth scrolling.
constexpr quint32 kXiPointerEmulated = 1u << 16;

// The major opcode of XInput's events on this connection; 0 when the server lacks it.
inline quint8 xinputOpcode(xcb_connection_t *connection)
{
    const char name[] = "XInputExtension";
    xcb_query_extension_reply_t *reply = xcb_query_extension_reply(
        connection, xcb_query_extension(connection, sizeof name - 1, name), nullptr);
    const quint8 opcode = reply && reply->present ? reply->major_opcode : 0;
    std::free(reply);
    return opcode;
}

} // namespace platform
