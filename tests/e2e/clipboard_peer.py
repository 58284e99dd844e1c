#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Another X client, for the clipboard tests.

  own MODE [BYTES]   takes CLIPBOARD and PRIMARY, prints "ready", and answers requests for their text:
                     silent  never answers
                     stall   starts a chunked (INCR) transfer and never sends a chunk
                     vanish  starts a chunked transfer and ends itself
                     text    sends BYTES bytes of "x" in chunks of 64 KiB
                     latin1  has the text only as STRING, in Latin-1: "\xe9t\xe9"
  ping WINDOW SECONDS  sends _NET_WM_PING to WINDOW every 20 ms for SECONDS and prints the longest time in
                     milliseconds that one waited for its answer (unanswered ones count until the end)
"""
import sys
import time

from Xlib import X, Xatom, display, error
from Xlib.protocol import event

CHUNK = 64 * 1024


def own(mode, size):
    d = display.Display()
    atom = lambda name: d.intern_atom(name)
    targets, utf8, incr = atom("TARGETS"), atom("UTF8_STRING"), atom("INCR")
    window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    for selection in (atom("CLIPBOARD"), Xatom.PRIMARY):
        window.set_selection_owner(selection, X.CurrentTime)
    d.sync()
    print("ready", flush=True)
    data = b"x" * size
    sending = {}  # (requestor id, property) -> [requestor, offset] of chunked transfers under way
    while True:
        e = d.next_event()
        if e.type == X.PropertyNotify and e.state == X.PropertyDelete:
            transfer = sending.get((e.window.id, e.atom))
            if transfer:
                requestor, offset = transfer
                chunk = data[offset:offset + CHUNK]
                requestor.change_property(e.atom, utf8, 8, chunk)
                transfer[1] += len(chunk)
                if not chunk:
                    del sending[(e.window.id, e.atom)]
                d.flush()
            continue
        if e.type != X.SelectionRequest or mode == "silent":
            continue
        requestor, prop = e.requestor, e.property or e.target
        if e.target == targets:
            requestor.change_property(prop, Xatom.ATOM, 32, [targets, Xatom.STRING if mode == "latin1" else utf8])
        elif mode == "latin1" and e.target == Xatom.STRING:
            requestor.change_property(prop, Xatom.STRING, 8, "\xe9t\xe9".encode("latin-1"))
        elif mode == "latin1" or e.target != utf8:
            prop = X.NONE
        else:
            requestor.change_attributes(event_mask=X.PropertyChangeMask)
            requestor.change_property(prop, incr, 32, [size or CHUNK * 1000])
            if mode == "text":
                sending[(requestor.id, prop)] = [requestor, 0]
        requestor.send_event(event.SelectionNotify(time=e.time, requestor=requestor, selection=e.selection,
                                                   target=e.target, property=prop))
        d.flush()
        if mode == "vanish" and e.target == utf8:
            return


def ping(window_id, seconds):
    d = display.Display()
    root = d.screen().root
    protocols, net_wm_ping = d.intern_atom("WM_PROTOCOLS"), d.intern_atom("_NET_WM_PING")
    window = d.create_resource_object("window", window_id)
    # The answer goes to the root window, for the window manager and whoever watches the root's own changes
    # (Qt) or its children's (the convention).
    root.change_attributes(event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)
    sent, longest = {}, 0.0
    start = time.monotonic()
    next_ping, serial = start, 1
    while time.monotonic() < start + seconds:
        now = time.monotonic()
        if now >= next_ping:
            window.send_event(event.ClientMessage(window=window, client_type=protocols,
                                                  data=(32, [net_wm_ping, serial, window_id, 0, 0])))
            d.flush()
            sent[serial] = now
            serial += 1
            next_ping = now + 0.02
        while d.pending_events():
            e = d.next_event()
            if e.type == X.ClientMessage and e.client_type == protocols and e.data[1][0] == net_wm_ping:
                asked = sent.pop(e.data[1][1], None)
                if asked is not None:
                    longest = max(longest, time.monotonic() - asked)
        time.sleep(0.002)
    end = time.monotonic()
    longest = max([longest] + [end - asked for asked in sent.values()])
    print(int(longest * 1000))


if __name__ == "__main__":
    try:
        if sys.argv[1] == "own":
            own(sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 0)
        else:
            ping(int(sys.argv[2], 0), float(sys.argv[3]))
    except error.ConnectionClosedError:
        pass  # the X server was stopped: the test is over
