// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measurements of the real program on an X display, for bench/run.sh.
//
//   xbench latency N     F9 pressed through XTest N times; for each press the
//                        time until the working indicator is mapped or
//                        unmapped, the first thing a run's start or stop
//                        shows on screen.
//   xbench startup N EXE start EXE N times; for each start the time from exec
//                        until its main window is mapped and painted.
//
// Prints one value in milliseconds per line.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <random>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

void sleepMs(double ms)
{
    timespec t {static_cast<time_t>(ms / 1000), static_cast<long>(ms * 1e6) % 1000000000L};
    nanosleep(&t, nullptr);
}

Window findNamed(Display* display, Window root, const char* name, bool mainWindow = true)
{
    Window parent = 0, unused = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, root, &unused, &parent, &children, &count) == 0)
        return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        char* title = nullptr;
        if (XFetchName(display, children[i], &title) != 0 && title != nullptr) {
            if (std::strcmp(title, name) == 0) {
                XWindowAttributes attributes {};
                XGetWindowAttributes(display, children[i], &attributes);
                if (!mainWindow || (attributes.map_state == IsViewable && attributes.width > 100))
                    found = children[i];
            }
            XFree(title);
        }
        if (found == 0)
            found = findNamed(display, children[i], name, mainWindow);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

bool waitForMapChange(Display* display, Window window, double timeoutMs)
{
    const double start = nowMs();
    const int fd = ConnectionNumber(display);
    while (nowMs() - start < timeoutMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if ((event.type == MapNotify || event.type == UnmapNotify)
                && event.xany.window == window)
                return true;
        }
        pollfd p {fd, POLLIN, 0};
        poll(&p, 1, 1);
    }
    return false;
}

int latency(Display* display, int presses)
{
    Window working = 0;
    for (int i = 0; i < 200 && working == 0; ++i, sleepMs(50))
        working = findNamed(display, DefaultRootWindow(display), "working", false);
    if (working == 0) {
        std::fprintf(stderr, "xbench: no working window\n");
        return 1;
    }
    XSelectInput(display, working, StructureNotifyMask);
    XSync(display, True);
    const KeyCode f9 = XKeysymToKeycode(display, XK_F9);
    std::mt19937 random(12345);
    // Presses come 0.6 to 0.9 s apart: sooner, the window manager is still
    // iconifying or restoring the main window and holds up the next query.
    std::uniform_real_distribution<double> gap(600, 900);
    bool running = false;
    for (int i = 0; i < presses; ++i) {
        XTestFakeKeyEvent(display, f9, True, CurrentTime);
        XFlush(display);
        const double start = nowMs();
        const bool seen = waitForMapChange(display, working, 1000);
        const double elapsed = nowMs() - start;
        // Released at once, so the poll after the 100 ms pause finds it up.
        XTestFakeKeyEvent(display, f9, False, CurrentTime);
        XFlush(display);
        if (!seen) {
            std::fprintf(stderr, "xbench: press %d had no effect\n", i);
            return 1;
        }
        running = !running;
        std::printf("%.2f\n", elapsed);
        std::fflush(stdout);
        sleepMs(gap(random));
    }
    // Leave the program idle.
    if (running) {
        XTestFakeKeyEvent(display, f9, True, CurrentTime);
        XFlush(display);
        waitForMapChange(display, working, 1000);
        XTestFakeKeyEvent(display, f9, False, CurrentTime);
        XFlush(display);
    }
    return 0;
}

// The left column's grey, which only a painted main window shows.
bool painted(Display* display, Window window)
{
    XImage* image = XGetImage(display, window, 5, 390, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) == 0xCDCDCD;
}

int startup(Display* display, int runs, const char* exe)
{
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    for (int i = 0; i < runs; ++i) {
        const double start = nowMs();
        const pid_t child = fork();
        if (child == 0) {
            execl(exe, exe, static_cast<char*>(nullptr));
            _exit(127);
        }
        double seen = -1;
        while (nowMs() - start < 10000) {
            const Window window = findNamed(display, DefaultRootWindow(display), "Vantrel");
            if (window != 0 && painted(display, window)) {
                seen = nowMs() - start;
                break;
            }
            sleepMs(0.5);
        }
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        if (seen < 0) {
            std::fprintf(stderr, "xbench: start %d never painted\n", i);
            return 1;
        }
        std::printf("%.2f\n", seen);
        std::fflush(stdout);
        sleepMs(300);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xbench latency N | xbench startup N EXE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xbench: cannot open the display\n");
        return 2;
    }
    const std::string mode = argv[1];
    const int count = std::atoi(argv[2]);
    int status = 2;
    if (mode == "latency")
        status = latency(display, count);
    else if (mode == "startup" && argc > 3)
        status = startup(display, count, argv[3]);
    XCloseDisplay(display);
    return status;
}
