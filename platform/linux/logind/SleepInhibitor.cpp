// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SleepInhibitor.h"

#include <dbus/dbus.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace platform::logind {
namespace {

using Clock = std::chrono::steady_clock;

// A bus that does not answer costs the user interface at most this long.
constexpr std::chrono::milliseconds deadline {1000};

struct Connection {
    DBusConnection* bus = nullptr;
    ~Connection()
    {
        if (bus) {
            dbus_connection_close(bus);
            dbus_connection_unref(bus);
        }
    }
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

// Sends a call and waits for its reply until `end`; null on any failure or
// error reply. libdbus's blocking call keeps waiting past its timeout while
// the bus has not answered the authentication, so the connection is driven
// here, one read or write at a time, each bounded by what is left.
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

// libdbus's own way to the system bus registers with it without a deadline;
// so the connection is opened privately and registered here. The lock
// outlives the connection: it is the descriptor.
int takeLock(const std::string& why)
{
    const auto end = Clock::now() + deadline;
    const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    Error error;
    Connection connection {dbus_connection_open_private(
        address && *address ? address : "unix:path=/var/run/dbus/system_bus_socket", &error.error)};
    if (!connection.bus)
        return -1;
    dbus_connection_set_exit_on_disconnect(connection.bus, FALSE);

    Message hello {dbus_message_new_method_call(
        DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "Hello")};
    Message registered {call(connection.bus, hello.message, end)};
    if (!registered.message)
        return -1;

    Message inhibit {dbus_message_new_method_call("org.freedesktop.login1",
        "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "Inhibit")};
    const char* what = "sleep";
    const char* who = "Vantrel";
    const char* reason = why.c_str();
    const char* mode = "block";
    if (!inhibit.message
        || !dbus_message_append_args(inhibit.message, DBUS_TYPE_STRING, &what, DBUS_TYPE_STRING,
            &who, DBUS_TYPE_STRING, &reason, DBUS_TYPE_STRING, &mode, DBUS_TYPE_INVALID))
        return -1;
    Message reply {call(connection.bus, inhibit.message, end)};
    int fd = -1;
    if (!reply.message
        || !dbus_message_get_args(
            reply.message, &error.error, DBUS_TYPE_UNIX_FD, &fd, DBUS_TYPE_INVALID))
        return -1;
    // Programs started later, the system action among them, must not hold it.
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    return fd;
}

} // namespace

void SleepInhibitor::hold(const std::string& why)
{
    if (fd_ < 0)
        fd_ = takeLock(why);
}

void SleepInhibitor::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

} // namespace platform::logind
