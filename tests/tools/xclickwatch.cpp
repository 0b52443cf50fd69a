// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A plain X client for the integration tests and the benchmark: it maps a
// window and prints every button event it receives, one line each:
//   press|release <button> <server time in ms> <x> <y> <receive time in us>
// after a first line "ready <window id>". The receive time is this client's
// monotonic clock, finer than the server's millisecond stamps. It ends after
// --timeout seconds. With --borderless 1 it asks the window manager for no
// frame, as a full-screen or borderless application has none.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <time.h>

namespace {

double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    int x = 700, y = 100, width = 400, height = 300;
    double timeout = 60;
    std::string name = "xclickwatch";
    bool borderless = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--geometry")
            std::sscanf(argv[i + 1], "%dx%d+%d+%d", &width, &height, &x, &y);
        else if (option == "--timeout")
            timeout = std::atof(argv[i + 1]);
        else if (option == "--name")
            name = argv[i + 1];
        else if (option == "--borderless")
            borderless = std::atoi(argv[i + 1]) != 0;
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xclickwatch: cannot open the display\n");
        return 2;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y,
        static_cast<unsigned>(width), static_cast<unsigned>(height), 0, BlackPixel(display, screen),
        WhitePixel(display, screen));
    XStoreName(display, window, name.c_str());
    XSizeHints hints {};
    hints.flags = USPosition | USSize;
    hints.x = x;
    hints.y = y;
    hints.width = width;
    hints.height = height;
    XSetWMNormalHints(display, window, &hints);
    if (borderless) {
        // _MOTIF_WM_HINTS: flags MWM_HINTS_DECORATIONS, decorations none.
        const long motif[5] = {2, 0, 0, 0, 0};
        const Atom atom = XInternAtom(display, "_MOTIF_WM_HINTS", False);
        XChangeProperty(display, window, atom, atom, 32, PropModeReplace,
            reinterpret_cast<const unsigned char*>(motif), 5);
    }
    XSelectInput(display, window, ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify)
            break;
    }
    std::printf("ready %lu\n", window);
    std::fflush(stdout);

    const double end = now() + timeout;
    const int fd = ConnectionNumber(display);
    while (now() < end) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ButtonPress || event.type == ButtonRelease) {
                std::printf("%s %u %lu %d %d %.0f\n",
                    event.type == ButtonPress ? "press" : "release", event.xbutton.button,
                    event.xbutton.time, event.xbutton.x, event.xbutton.y, now() * 1e6);
                std::fflush(stdout);
            }
        }
        pollfd p {fd, POLLIN, 0};
        poll(&p, 1, 50);
    }
    XCloseDisplay(display);
    return 0;
}
