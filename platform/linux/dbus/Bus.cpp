// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bus.h"

namespace platform::dbus {

Connection::~Connection()
{
    if (bus) {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
    }
}

// libdbus's blocking call keeps waiting past its timeout while the bus has
// not answered the authentication, so the connection is driven here, one
// read or write at a time, each bounded by what is left.
DBusMessage* call(DBusConnection* bus, DBusMessage* message, Clock::time_point end)
{
    auto left = [end] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    };
    DBusPendingCall* pending = nullptr;
    if (!message || left() <= 0
        || !dbus_connection_send_with_reply(bus, message, &pending, static_cast<int>(left()))
        || !pending)
        return nullptr;
    while (!dbus_pending_call_get_completed(pending) && left() > 0
        && dbus_connection_read_write_dispatch(bus, static_cast<int>(left()))) { }
    DBusMessage* reply = dbus_pending_call_get_completed(pending)
        ? dbus_pending_call_steal_reply(pending)
        : nullptr;
    dbus_pending_call_cancel(pending);
    dbus_pending_call_unref(pending);
    if (reply && dbus_message_get_type(reply) != DBUS_MESSAGE_TYPE_METHOD_RETURN) {
        dbus_message_unref(reply);
        reply = nullptr;
    }
    return reply;
}

// libdbus's own registration (dbus_bus_register) has no deadline, so Hello
// is sent here and its answer made the connection's unique name.
DBusConnection* open(const std::string& address, Clock::time_point end)
{
    Error error;
    Connection connection {dbus_connection_open_private(address.c_str(), &error.error)};
    if (!connection.bus)
        return nullptr;
    dbus_connection_set_exit_on_disconnect(connection.bus, FALSE);
    Message hello {dbus_message_new_method_call(
        DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "Hello")};
    Message registered {call(connection.bus, hello.message, end)};
    const char* name = nullptr;
    if (!registered.message
        || !dbus_message_get_args(
            registered.message, &error.error, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID)
        || !dbus_bus_set_unique_name(connection.bus, name))
        return nullptr;
    DBusConnection* opened = connection.bus;
    connection.bus = nullptr;
    return opened;
}

} // namespace platform::dbus
