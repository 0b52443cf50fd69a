// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses the window system before Qt starts. Qt prefers Wayland when a
// compositor is there, but on Wayland no window may keep itself on top, so
// an X display (XWayland included) wins; and Qt aborts when it finds
// neither, before a line of the program could say why. It also keeps Qt's
// screen-reader bridge off a session bus that would hold start-up for ever
// or be started on demand.
#include "WindowSystem.h"

#include "platform/Platform.h"
#include "platform/linux/posix/Spawn.h"

#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

bool toolkitOnX11 = false;

// The connection that found the X display answering. It stays open until
// the backend takes it over, after Qt has connected: an X server whose last
// client leaves resets, and Qt's connection could fall into that reset.
Display* probe = nullptr;

// Whether the local X server DISPLAY names (":N", ":N.S", "unix:N") is
// there: its lock or its socket exists.
bool localServerIsThere()
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr)
        return false;
    const std::string_view name = display;
    const std::size_t colon = name.rfind(':');
    if (colon == std::string_view::npos || (colon != 0 && name.substr(0, colon) != "unix"))
        return false;
    const std::string_view rest = name.substr(colon + 1);
    const std::string number(rest.substr(0, std::min(rest.find('.'), rest.size())));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    struct stat info { };
    return ::stat(("/tmp/.X" + number + "-lock").c_str(), &info) == 0
        || ::stat(("/tmp/.X11-unix/X" + number).c_str(), &info) == 0;
}

bool x11Answers()
{
    probe = XOpenDisplay(nullptr);
    // A local server that is there but turns the connection away is in the
    // middle of a reset (its last client just left) or, on a loaded machine,
    // still starting: it answers again within moments.
    for (int retry = 0; probe == nullptr && retry < 30 && localServerIsThere(); ++retry) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        probe = XOpenDisplay(nullptr);
    }
    return probe != nullptr;
}

// Where libwayland-client connects: WAYLAND_DISPLAY (default "wayland-0"),
// relative to XDG_RUNTIME_DIR unless it is a path.
bool waylandAnswers()
{
    if (std::getenv("WAYLAND_SOCKET") != nullptr)
        return true; // a connection handed down by the compositor itself
    const char* name = std::getenv("WAYLAND_DISPLAY");
    std::string path = name != nullptr && *name != '\0' ? name : "wayland-0";
    if (path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr || *runtime == '\0')
            return false;
        path = std::string(runtime) + "/" + path;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool connected
        = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

// Connects a stream socket to a Unix address ("\0name" for an abstract
// one) without blocking; -1 when it fails at once.
int connectUnix(const std::string& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    const auto length = static_cast<socklen_t>(
        offsetof(sockaddr_un, sun_path) + path.size() + (path.front() == '\0' ? 0 : 1));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0
        && errno != EINPROGRESS) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The value of key in one D-Bus address ("unix:path=/run/bus,guid=..."),
// with its %xx escapes decoded.
std::string addressValue(std::string_view address, std::string_view key)
{
    std::size_t at = address.find(':');
    while (at != std::string_view::npos && at < address.size()) {
        const std::size_t end = std::min(address.find(',', at + 1), address.size());
        const std::string_view pair = address.substr(at + 1, end - at - 1);
        if (pair.substr(0, key.size()) == key && pair.size() > key.size()
            && pair[key.size()] == '=') {
            std::string value;
            const std::string_view raw = pair.substr(key.size() + 1);
            auto hex = [](char c) {
                return c >= '0' && c <= '9' ? c - '0'
                    : c >= 'a' && c <= 'f'  ? c - 'a' + 10
                    : c >= 'A' && c <= 'F'  ? c - 'A' + 10
                                            : -1;
            };
            for (std::size_t i = 0; i < raw.size(); ++i) {
                if (raw[i] == '%' && i + 2 < raw.size() && hex(raw[i + 1]) >= 0
                    && hex(raw[i + 2]) >= 0) {
                    value += static_cast<char>(hex(raw[i + 1]) * 16 + hex(raw[i + 2]));
                    i += 2;
                } else {
                    value += raw[i];
                }
            }
            return value;
        }
        at = end;
    }
    return {};
}

enum class Bus { Answers, Absent, Silent };

// Whether the session bus answers the first step of a D-Bus handshake
// within a second. Only Unix sockets are tried; any other kind of address
// is left to the D-Bus library.
Bus sessionBus()
{
    const std::string address = linux_session::sessionBusAddress();
    if (address.empty())
        return Bus::Absent;
    const std::string_view first = std::string_view(address).substr(0, address.find(';'));
    if (first.substr(0, 5) != "unix:")
        return Bus::Answers;
    std::string path = addressValue(first, "path");
    if (path.empty()) {
        path = addressValue(first, "abstract");
        if (path.empty())
            return Bus::Answers;
        path.insert(path.begin(), '\0');
    }
    const int fd = connectUnix(path);
    if (fd < 0)
        return Bus::Answers; // nothing listens: the library fails at once too
    // A NUL byte, then AUTH EXTERNAL with the user id in hex; any reply line
    // (OK, REJECTED, ERROR) means the bus is alive.
    char uid[16];
    std::snprintf(uid, sizeof uid, "%u", static_cast<unsigned>(::getuid()));
    std::string hello(1, '\0');
    hello += "AUTH EXTERNAL ";
    for (const char* c = uid; *c != '\0'; ++c) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(*c));
        hello += hex;
    }
    hello += "\r\n";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    std::size_t sent = 0;
    bool answered = false;
    while (!answered) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            break;
        pollfd wait {fd, static_cast<short>(sent < hello.size() ? POLLOUT : POLLIN), 0};
        if (::poll(&wait, 1, static_cast<int>(left)) < 0 && errno != EINTR)
            break;
        if ((wait.revents & (POLLERR | POLLHUP)) != 0 && (wait.revents & POLLIN) == 0)
            break;
        if ((wait.revents & POLLOUT) != 0) {
            const ssize_t n = ::send(fd, hello.data() + sent, hello.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                break;
            sent += n > 0 ? static_cast<std::size_t>(n) : 0;
        } else if ((wait.revents & POLLIN) != 0) {
            char reply[64];
            const ssize_t n = ::recv(fd, reply, sizeof reply, 0);
            answered = n > 0;
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
                break;
        }
    }
    ::close(fd);
    return answered ? Bus::Answers : Bus::Silent;
}

// Qt's screen-reader bridge connects to the session bus as the window
// opens, and waits for it without a deadline; with no bus the D-Bus
// library would start one of its own that outlives the program. Where
// either would happen the bridge is given an address that fails at once.
void keepOffUnusableBus()
{
    switch (sessionBus()) {
    case Bus::Answers:
        return;
    case Bus::Silent:
        std::fputs("vantrel: the session bus does not answer (DBUS_SESSION_BUS_ADDRESS); "
                   "starting without the screen-reader bridge\n",
            stderr);
        break;
    case Bus::Absent:
        break;
    }
    posix::setForThisProcess("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace

bool chooseWindowSystem()
{
    // The user's own choice stands; Qt tries its entries in order.
    keepOffUnusableBus();
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen != nullptr && *chosen != '\0') {
        const std::string_view list = chosen;
        toolkitOnX11 = list.substr(0, list.find_first_of(";:")) == "xcb";
        return true;
    }
    if (x11Answers()) {
        posix::setForThisProcess("QT_QPA_PLATFORM", "xcb");
        toolkitOnX11 = true;
        return true;
    }
    if (waylandAnswers()) {
        posix::setForThisProcess("QT_QPA_PLATFORM", "wayland");
        return true;
    }
    std::fputs("vantrel: no X display or Wayland compositor answers (DISPLAY, WAYLAND_DISPLAY); "
               "there is nothing to show the window on\n",
        stderr);
    return false;
}

bool linux_session::windowsAreX11() { return toolkitOnX11; }

std::string linux_session::sessionBusAddress()
{
    const char* named = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (named != nullptr && *named != '\0')
        return named;
    // Where the D-Bus library looks when no address is named.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info { };
    const std::string bus = std::string(runtime != nullptr ? runtime : "") + "/bus";
    if (runtime == nullptr || *runtime == '\0' || ::stat(bus.c_str(), &info) != 0
        || !S_ISSOCK(info.st_mode))
        return {};
    return "unix:path=" + bus;
}

bool linux_session::desktopIsWayland()
{
    const char* type = std::getenv("XDG_SESSION_TYPE");
    const char* display = std::getenv("WAYLAND_DISPLAY");
    return !toolkitOnX11 || (type != nullptr && std::string_view(type) == "wayland")
        || (display != nullptr && *display != '\0');
}

void* linux_session::takeProbeConnection()
{
    Display* display = probe;
    probe = nullptr;
    return display;
}

} // namespace platform
