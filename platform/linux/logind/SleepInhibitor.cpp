// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SleepInhibitor.h"

#include "platform/linux/dbus/Bus.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace platform::logind {
namespace {

using dbus::Clock;
using dbus::Message;

// A bus that does not answer costs the user interface at most this long.
constexpr std::chrono::milliseconds deadline {1000};

// The lock outlives the connection: it is the descriptor.
int takeLock(const std::string& why)
{
    const auto end = Clock::now() + deadline;
    const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    dbus::Connection connection {dbus::open(
        address && *address ? address : "unix:path=/var/run/dbus/system_bus_socket", end)};
    if (!connection.bus)
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
    Message reply {dbus::call(connection.bus, inhibit.message, end)};
    int fd = -1;
    dbus::Error error;
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
