# SPDX-FileCopyrightText: 2026 Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""logind's Manager.Inhibit on a private system bus, for test_keep_awake.sh.

Each call is logged as "inhibit N PIPE what|who|why|mode" and answered with
the write end of a new pipe (PIPE is its inode, as /proc/PID/fd shows it); the
stand-in keeps the read end, which meets end of file once every copy of the
write end is closed, and then logs "released N".

Usage: logind_standin.py BUS_ADDRESS LOG
"""
import itertools
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

address, log = sys.argv[1:3]
calls = itertools.count(1)


def note(line):
    with open(log, "a") as out:
        out.write(line + "\n")


def released(fd, _condition, number):
    if os.read(fd, 1):
        return True
    os.close(fd)
    note("released %d" % number)
    return False


class Manager(dbus.service.Object):
    @dbus.service.method("org.freedesktop.login1.Manager", in_signature="ssss",
                         out_signature="h")
    def Inhibit(self, what, who, why, mode):
        number = next(calls)
        read_end, write_end = os.pipe()
        note("inhibit %d %d %s|%s|%s|%s" % (number, os.fstat(write_end).st_ino, what, who,
                                            why, mode))
        GLib.io_add_watch(read_end, GLib.IO_IN | GLib.IO_HUP, released, number)
        handed_out = dbus.types.UnixFd(write_end)  # a copy of its own
        os.close(write_end)
        return handed_out


DBusGMainLoop(set_as_default=True)
bus = dbus.bus.BusConnection(address)
name = dbus.service.BusName("org.freedesktop.login1", bus)
Manager(bus, "/org/freedesktop/login1")
note("ready")
GLib.MainLoop().run()
