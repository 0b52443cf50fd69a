// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses the window system before Qt starts. Qt prefers Wayland when a
// compositor is there, but on Wayland no window may keep itself on top, so
// an X display (XWayland included) wins; and Qt aborts when it finds
// neither, before a line of the program could say why.
#include "WindowSystem.h"

#include "platform/Platform.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {
namespace {

bool toolkitOnX11 = false;

bool x11Answers()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
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

} // namespace

bool chooseWindowSystem()
{
    // The user's own choice stands; Qt tries its entries in order.
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen != nullptr && *chosen != '\0') {
        const std::string_view list = chosen;
        toolkitOnX11 = list.substr(0, list.find_first_of(";:")) == "xcb";
        return true;
    }
    if (x11Answers()) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        toolkitOnX11 = true;
        return true;
    }
    if (waylandAnswers()) {
        ::setenv("QT_QPA_PLATFORM", "wayland", 1);
        return true;
    }
    std::fputs("vantrel: no X display or Wayland compositor answers (DISPLAY, WAYLAND_DISPLAY); "
               "there is nothing to show the window on\n",
        stderr);
    return false;
}

bool linux_session::windowsAreX11() { return toolkitOnX11; }

} // namespace platform
