#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A desktop portal's colour pick on the session bus, for the screen-pick tests.

  fake_portal.py LOG ANSWER...   owns org.freedesktop.portal.Desktop and answers each PickColor with the next
                                 ANSWER: "silent" (a request that is never answered) or "R,G,B" (the colour
                                 the user picked, channels from 0 to 1); later picks stay silent. Writes
                                 "pick ANSWER" and "close" (a request closed by the caller) to LOG, a line
                                 each, and prints "ready" once it owns the name.
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH = "/org/freedesktop/portal/desktop"


def log(line):
    with open(sys.argv[1], "a") as f:
        f.write(line + "\n")


class Request(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Request")
    def Close(self):
        log("close")
        self.remove_from_connection()

    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, answers):
        super().__init__(bus, PATH)
        self.bus, self.answers = bus, answers

    @dbus.service.method("org.freedesktop.portal.Screenshot", in_signature="sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def PickColor(self, parent, options, sender):
        path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), options["handle_token"])
        request = Request(self.bus, path)
        answer = self.answers.pop(0) if self.answers else "silent"
        log("pick " + answer)
        if answer != "silent":
            color = dbus.Struct([float(c) for c in answer.split(",")], signature="ddd")
            GLib.idle_add(lambda: request.Response(0, {"color": color}) and False)
        return dbus.ObjectPath(path)


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
portal = Portal(bus, sys.argv[2:])
print("ready", flush=True)
GLib.MainLoop().run()
