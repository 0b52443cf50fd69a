// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One copy at a time for a user on a display: two would both answer F9, one
// starting a run as the other stops one. The lock is an abstract Unix socket,
// which writes no file and goes with the process that holds it; a later copy
// connects to it, learns the main window and brings it to the front.
#include "platform/Platform.h"
#include "platform/linux/WindowSystem.h"
#include "platform/linux/x11/X11Platform.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

std::atomic<NativeWindow> mainWindow {0};

// "\0vantrel-<uid>-<display>": the display the windows go to, X's if any.
sockaddr_un lockAddress(socklen_t& length)
{
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const std::string display = linux_session::windowsAreX11() && x != nullptr
        ? std::string("x") + x
        : wayland != nullptr ? std::string("w") + wayland
                             : std::string("w");
    const std::string name = "vantrel-" + std::to_string(::getuid()) + "-" + display;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::size_t size = std::min(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.data(), size);
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
    return address;
}

// Each later copy is told the main window, as a number on one line.
void answer(int listener)
{
    for (;;) {
        const int peer = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (peer < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        const std::string line = std::to_string(mainWindow.load()) + "\n";
        [[maybe_unused]] const auto written = ::send(peer, line.data(), line.size(), MSG_NOSIGNAL);
        ::close(peer);
    }
}

// The window the copy holding the lock names, 0 when it says none in 1 s.
NativeWindow askHolder(const sockaddr_un& address, socklen_t length)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    std::string text;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        char buffer[32];
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now())
                                  .count();
            pollfd wait {fd, POLLIN, 0};
            if (left <= 0 || ::poll(&wait, 1, static_cast<int>(left)) <= 0)
                break;
            const auto got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0 || text.size() > 32)
                break;
            text.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return static_cast<NativeWindow>(std::strtoull(text.c_str(), nullptr, 10));
}

} // namespace

bool claimOnlyInstance()
{
    socklen_t length = 0;
    const sockaddr_un address = lockAddress(length);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener < 0)
        return true; // no lock to be had: better a second copy than none
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), length) == 0
        && ::listen(listener, 8) == 0) {
        std::thread(answer, listener).detach();
        return true;
    }
    const bool taken = errno == EADDRINUSE;
    ::close(listener);
    if (!taken)
        return true;
    const NativeWindow window = askHolder(address, length);
    if (window != 0 && linux_session::windowsAreX11())
        makeX11Platform()->activateWindow(window);
    return false;
}

void announceMainWindow(NativeWindow window) { mainWindow.store(window); }

} // namespace platform
