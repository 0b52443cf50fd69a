// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the system-bus and session-bus clients share over libdbus: owned
// handles, and calls bounded by a deadline. libdbus's own ways to a bus and
// its blocking calls can wait without end on a bus that does not answer.
#pragma once

#include <dbus/dbus.h>

#include <chrono>
#include <string>

namespace platform::dbus {

using Clock = std::chrono::steady_clock;

struct Connection {
    DBusConnection* bus = nullptr;
    Connection() = default;
    explicit Connection(DBusConnection* opened)
        : bus(opened)
    {
    }
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
};

struct Message {
    DBusMessage* message = nullptr;
    ~Message()
    {
        if (message)
            dbus_message_unref(message);
    }
};

struct Error {
    DBusError error;
    Error() { dbus_error_init(&error); }
    ~Error() { dbus_error_free(&error); }
};

// Opens a private connection to the bus at `address` and registers with it
// before `end`; null on any failure.
DBusConnection* open(const std::string& address, Clock::time_point end);

// Sends a call and waits for its reply until `end`; null on any failure or
// error reply. Messages that come meanwhile go to the connection's filters.
DBusMessage* call(DBusConnection* bus, DBusMessage* message, Clock::time_point end);

} // namespace platform::dbus
