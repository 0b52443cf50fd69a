// Measurements of the real program on an X display, for bench/run.sh.
//
//   xbench latency N     F9 pressed through XTest N times; for each press the
//                        time until the main window's WM_STATE changes (the
//                        run starting or stopping iconifies or restores it).
//   xbench startup N EXE start EXE N times; for each start the time from exec
//                        until its main window is mapped and painted.
//
// Prints one value in milliseconds per line.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

Window findNamed(Display* display, Window root, const char* name)
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
                if (attributes.map_state == IsViewable && attributes.width > 100)
                    found = children[i];
            }
            XFree(title);
        }
        if (found == 0)
            found = findNamed(display, children[i], name);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

long wmState(Display* display, Window window)
{
    const Atom atom = XInternAtom(display, "WM_STATE", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    long state = -1;
    if (XGetWindowProperty(
            display, window, atom, 0, 2, False, atom, &type, &format, &items, &after, &data)
            == Success
        && data != nullptr && items > 0)
        state = reinterpret_cast<long*>(data)[0];
    if (data != nullptr)
        XFree(data);
    return state;
}

int latency(Display* display, int presses)
{
    Window window = 0;
    for (int i = 0; i < 200 && window == 0; ++i, sleepMs(50))
        window = findNamed(display, DefaultRootWindow(display), "Vantrel");
    if (window == 0) {
        std::fprintf(stderr, "xbench: no Vantrel window\n");
        return 1;
    }
    const KeyCode f9 = XKeysymToKeycode(display, XK_F9);
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> gap(250, 450);
    for (int i = 0; i < presses; ++i) {
        const long before = wmState(display, window);
        XTestFakeKeyEvent(display, f9, True, CurrentTime);
        XFlush(display);
        const double start = nowMs();
        double seen = -1;
        while (nowMs() - start < 1000) {
            if (wmState(display, window) != before) {
                seen = nowMs() - start;
                break;
            }
            sleepMs(0.2);
        }
        // Released at once, so the poll after the 100 ms pause finds it up.
        XTestFakeKeyEvent(display, f9, False, CurrentTime);
        XFlush(display);
        if (seen < 0) {
            std::fprintf(stderr, "xbench: press %d had no effect\n", i);
            return 1;
        }
        std::printf("%.2f\n", seen);
        std::fflush(stdout);
        sleepMs(gap(random));
    }
    // Leave the program idle.
    if (wmState(display, window) != NormalState) {
        XTestFakeKeyEvent(display, f9, True, CurrentTime);
        XFlush(display);
        while (wmState(display, window) != NormalState)
            sleepMs(1);
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
