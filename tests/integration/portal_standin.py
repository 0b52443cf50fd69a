# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop's GlobalShortcuts portal on a private session bus, for
test_portal.sh.

CreateSession, ListShortcuts and BindShortcuts answer as the portal does: a
request path named after the caller and its token, then a Response signal on
it. A session finds the shortcuts bound under its token before, as a desktop
keeps them for an application that starts again. Each bind is logged as
"bind SESSION id|description|preferred_trigger". MODE "agree"
grants it, "refuse" answers as a user who said no, "silent" never answers
CreateSession. The lines "down" and "up" read from FIFO become Activated and
Deactivated for every bound shortcut, logged as "down"/"up".

Usage: portal_standin.py BUS_ADDRESS LOG MODE FIFO
"""
import os
import sys

import dbus
import dbus.lowlevel
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

address, log, mode, fifo = sys.argv[1:5]
PORTAL = "/org/freedesktop/portal/desktop"
SHORTCUTS = "org.freedesktop.portal.GlobalShortcuts"
bound = []  # (session token, shortcut id)
sessions = {}  # session token: the newest session's handle


def note(line):
    with open(log, "a") as out:
        out.write(line + "\n")


def handle(kind, sender, token):
    return "%s/%s/%s/%s" % (PORTAL, kind, sender[1:].replace(".", "_"), token)


def token(session):
    return session.rsplit("/", 1)[1]


def respond(request, code, results):
    signal = dbus.lowlevel.SignalMessage(request, "org.freedesktop.portal.Request", "Response")
    signal.append(dbus.UInt32(code), dbus.Dictionary(results, signature="sv"))
    bus.send_message(signal)
    return False


class Portal(dbus.service.Object):
    @dbus.service.method(SHORTCUTS, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender", async_callbacks=("done", "failed"))
    def CreateSession(self, options, sender, done, failed):
        if mode == "silent":
            return
        request = handle("request", sender, options["handle_token"])
        session = handle("session", sender, options["session_handle_token"])
        sessions[token(session)] = session
        done(dbus.ObjectPath(request))
        GLib.idle_add(respond, request, 0, {"session_handle": dbus.String(session)})

    @dbus.service.method(SHORTCUTS, in_signature="oa{sv}", out_signature="o",
                         sender_keyword="sender")
    def ListShortcuts(self, session, options, sender):
        request = handle("request", sender, options["handle_token"])
        GLib.idle_add(respond, request, 0, {"shortcuts": dbus.Array(
            [(s, {}) for b, s in bound if b == token(session)], signature="(sa{sv})")})
        return dbus.ObjectPath(request)

    @dbus.service.method(SHORTCUTS, in_signature="oa(sa{sv})sa{sv}", out_signature="o",
                         sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, _parent, options, sender):
        request = handle("request", sender, options["handle_token"])
        for shortcut, wanted in shortcuts:
            note("bind %s %s|%s|%s" % (session, shortcut, wanted.get("description", ""),
                                       wanted.get("preferred_trigger", "")))
            if mode == "agree":
                bound.append((token(session), shortcut))
        GLib.idle_add(respond, request, 0 if mode == "agree" else 1,
                      {"shortcuts": dbus.Array(
                          [(s, {}) for _, s in bound], signature="(sa{sv})")})
        return dbus.ObjectPath(request)


def pressed(fd, _condition):
    for line in os.read(fd, 4096).decode().split():
        member = {"down": "Activated", "up": "Deactivated"}[line]
        for session_token, shortcut in bound:
            signal = dbus.lowlevel.SignalMessage(PORTAL, SHORTCUTS, member)
            signal.append(dbus.ObjectPath(sessions[session_token]), shortcut, dbus.UInt64(0),
                          dbus.Dictionary({}, signature="sv"))
            bus.send_message(signal)
        note(line)
    return True


DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(address)
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
Portal(bus, PORTAL)
GLib.io_add_watch(os.open(fifo, os.O_RDWR | os.O_NONBLOCK), GLib.IO_IN, pressed)
note("ready")
GLib.MainLoop().run()
