// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A plain X client for the integration tests and the benchmark: it presses F9
// through XTest as a user would and counts how often the real program
// toggles its run for each press. A toggle shows or hides the working
// indicator (the window named "working"), whose map state this client
// follows. For each hold given in milliseconds, after a random pause, F9 goes
// down and comes up that much later; the client then waits up to --wait
// seconds for a first toggle and --quiet seconds more for any other, and
// prints one line: "<hold> <toggles>". A hold such as 150+150 is two
// presses with no pause between them: F9 comes up and at once goes down
// again. With --desktop, a stand-in for the desktop presses F9 instead,
// told "down" and "up" through the FIFO named.
//   xf9hold [--wait S] [--quiet S] [--desktop FIFO] HOLD_MS[+HOLD_MS...]...
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <random>
#include <string>
#include <time.h>
#include <vector>

namespace {

double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

Window findNamed(Display* display, Window parent, const char* name)
{
    Window root = 0, up = 0, found = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, parent, &root, &up, &children, &count) == 0)
        return 0;
    for (unsigned i = 0; i < count && found == 0; ++i) {
        char* title = nullptr;
        if (XFetchName(display, children[i], &title) != 0 && title != nullptr) {
            if (std::strcmp(title, name) == 0)
                found = children[i];
            XFree(title);
        }
        if (found == 0)
            found = findNamed(display, children[i], name);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

struct Watch {
    Display* display;
    Window window;
    bool mapped = false;
    int changes = 0;
    double lastChange = 0;

    // Takes the events that arrive within `seconds`.
    void read(double seconds)
    {
        const double end = now() + seconds;
        do {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.xany.window != window
                    || (event.type != MapNotify && event.type != UnmapNotify))
                    continue;
                const bool isMapped = event.type == MapNotify;
                if (isMapped != mapped) {
                    mapped = isMapped;
                    ++changes;
                    lastChange = now();
                }
            }
            pollfd p {ConnectionNumber(display), POLLIN, 0};
            poll(&p, 1, 5);
        } while (now() < end);
    }
};

} // namespace

int main(int argc, char** argv)
{
    double wait = 5, quiet = 0.8;
    std::FILE* desktop = nullptr;
    std::vector<std::string> holds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--wait" && i + 1 < argc)
            wait = std::atof(argv[++i]);
        else if (arg == "--quiet" && i + 1 < argc)
            quiet = std::atof(argv[++i]);
        else if (arg == "--desktop" && i + 1 < argc)
            desktop = std::fopen(argv[++i], "w");
        else
            holds.push_back(arg);
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr || holds.empty()) {
        std::fprintf(stderr,
            "usage: xf9hold [--wait S] [--quiet S] [--desktop FIFO] HOLD_MS[+HOLD_MS...]... (with "
            "a display)\n");
        return 2;
    }
    Window working = 0;
    for (int i = 0; i < 200 && working == 0; ++i) {
        working = findNamed(display, DefaultRootWindow(display), "working");
        if (working == 0)
            poll(nullptr, 0, 50);
    }
    if (working == 0) {
        std::fprintf(stderr, "xf9hold: no working window\n");
        return 1;
    }
    XSelectInput(display, working, StructureNotifyMask);
    XWindowAttributes attributes {};
    XGetWindowAttributes(display, working, &attributes);
    Watch watch {display, working, attributes.map_state != IsUnmapped};
    const KeyCode f9 = XKeysymToKeycode(display, XK_F9);
    // F9 goes down or up with the next flush(), together with any step
    // before it.
    auto press = [&](bool down) {
        if (desktop != nullptr)
            std::fputs(down ? "down\n" : "up\n", desktop);
        else
            XTestFakeKeyEvent(display, f9, down ? True : False, CurrentTime);
    };
    auto flush = [&] {
        if (desktop != nullptr)
            std::fflush(desktop);
        XFlush(display);
    };

    // Random pauses put the presses at random points between two polls.
    std::mt19937 random(std::random_device {}());
    std::uniform_real_distribution<double> pause(0.3, 0.7);
    for (const std::string& hold : holds) {
        watch.read(pause(random));
        const int before = watch.changes;
        char* end = nullptr;
        for (const char* part = hold.c_str(); part != nullptr;
             part = *end == '+' ? end + 1 : nullptr) {
            if (part != hold.c_str())
                press(false); // and at once down again, in the same flush
            press(true);
            flush();
            watch.read(static_cast<double>(std::strtol(part, &end, 10)) / 1000.0);
        }
        press(false);
        flush();
        const double released = now();
        // Done once nothing has changed for `quiet` seconds after the release
        // and after the last toggle, or when nothing came within `wait`.
        for (;;) {
            watch.read(0.02);
            const bool toggled = watch.changes > before;
            const double since
                = now() - (toggled && watch.lastChange > released ? watch.lastChange : released);
            if ((toggled && since >= quiet) || (!toggled && now() - released >= wait))
                break;
        }
        std::printf("%s %d\n", hold.c_str(), watch.changes - before);
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return 0;
}
