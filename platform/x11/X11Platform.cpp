// X11 backend: XTest for injected buttons, XQueryKeymap for the global key
// state, EWMH for the topmost band, and detached programs for the system
// actions and the web page, found through PATH and started without a shell.
#include "platform/Platform.h"
#include "platform/posix/Spawn.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

struct ButtonFlag {
    std::uint32_t flag;
    unsigned int button;
    bool press;
};

// In the order Windows applies them when several flags come in one call.
constexpr std::array<ButtonFlag, 6> buttonFlags {{
    {MOUSEEVENTF_LEFTDOWN, 1, true},
    {MOUSEEVENTF_LEFTUP, 1, false},
    {MOUSEEVENTF_RIGHTDOWN, 3, true},
    {MOUSEEVENTF_RIGHTUP, 3, false},
    {MOUSEEVENTF_MIDDLEDOWN, 2, true},
    {MOUSEEVENTF_MIDDLEUP, 2, false},
}};

std::optional<KeySym> keySymFor(int virtualKey)
{
    if (virtualKey >= 0x70 && virtualKey <= 0x87) // VK_F1 .. VK_F24
        return XK_F1 + static_cast<KeySym>(virtualKey - 0x70);
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return static_cast<KeySym>(virtualKey);
    return std::nullopt;
}

// When the X server goes away, Xlib's default handler calls exit(). Qt's own
// X11 backend usually sees the broken connection first and calls exit()
// itself; our destructor's XCloseDisplay then fails too, and exit() would be
// entered a second time from inside the first. Leave at once instead, with
// one plain line.
int onConnectionLost(Display*)
{
    static const char message[] = "vantrel: the connection to the X server was lost; exiting\n";
    [[maybe_unused]] auto written = write(STDERR_FILENO, message, sizeof message - 1);
    _exit(1);
}

class X11Platform final : public Platform {
public:
    X11Platform()
        : display_(XOpenDisplay(nullptr))
    {
        XSetIOErrorHandler(onConnectionLost);
        if (display_ == nullptr) {
            std::fputs("vantrel: cannot open the X display; clicks and the F9 key will do "
                       "nothing\n",
                stderr);
            return;
        }
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        hasXTest_ = XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) != 0;
        if (!hasXTest_)
            std::fputs(
                "vantrel: the X display has no XTEST extension; clicks will do nothing\n", stderr);
    }

    ~X11Platform() override
    {
        if (display_ != nullptr)
            XCloseDisplay(display_);
    }

    X11Platform(const X11Platform&) = delete;
    X11Platform& operator=(const X11Platform&) = delete;

    void mouseEvent(
        std::uint32_t flags, std::int32_t, std::int32_t, std::int32_t, std::uintptr_t) override
    {
        if (!hasXTest_)
            return;
        // No motion flag is ever passed, so the event lands where the pointer is.
        for (const auto& entry : buttonFlags) {
            if ((flags & entry.flag) == 0)
                continue;
            XTestFakeButtonEvent(display_, entry.button, entry.press ? True : False, CurrentTime);
            XFlush(display_);
        }
    }

    std::uint16_t asyncKeyState(int virtualKey) override
    {
        const auto sym = keySymFor(virtualKey);
        if (display_ == nullptr || !sym)
            return 0;
        const KeyCode code = XKeysymToKeycode(display_, *sym);
        if (code == 0)
            return 0;
        std::array<char, 32> keys {};
        XQueryKeymap(display_, keys.data());
        const auto byte = static_cast<unsigned char>(keys[code / 8]);
        return (byte & (1u << (code % 8))) != 0 ? KEY_DOWN : 0;
    }

    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t, std::int32_t,
        std::int32_t, std::int32_t, std::uint32_t) override
    {
        if (insertAfter != HWND_TOPMOST)
            return false;
        return addStates(window, "_NET_WM_STATE_ABOVE", nullptr);
    }

    // Qt gives a tool window the utility type only, which taskbars may list.
    void keepOffTaskbar(NativeWindow window) override
    {
        addStates(window, "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER");
    }

    void sleep(std::uint32_t milliseconds) override { posix::sleepMs(milliseconds); }

    std::intptr_t shellExecute(NativeWindow, const std::string& operation, const std::string& file,
        const std::string&, const std::string&, int) override
    {
        if (operation != "open")
            return 0;
        // 33 and 2 are what the shell answers for a started and a missing handler.
        return posix::spawnDetached({"xdg-open", file}) ? 33 : 2;
    }

    bool launch(const std::string& commandLine, int) override
    {
        const auto argv = posix::systemActionFor(commandLine);
        return !argv.empty() && posix::spawnDetached(argv);
    }

private:
    // Adds one or two states to a window's _NET_WM_STATE: while it is
    // unmapped to the property, which the window manager reads when it maps
    // the window (the window manager clears it at each unmap, and Qt keeps
    // what it finds); while it is mapped by asking the window manager.
    bool addStates(NativeWindow window, const char* first, const char* second)
    {
        if (display_ == nullptr || window == 0)
            return false;
        const Window xwindow = static_cast<Window>(window);
        const Atom state = XInternAtom(display_, "_NET_WM_STATE", False);
        const Atom added[2] = {XInternAtom(display_, first, False),
            second != nullptr ? XInternAtom(display_, second, False) : None};

        XWindowAttributes attributes {};
        if (XGetWindowAttributes(display_, xwindow, &attributes) == 0)
            return false;
        if (attributes.map_state == IsUnmapped) {
            XChangeProperty(display_, xwindow, state, XA_ATOM, 32, PropModeAppend,
                reinterpret_cast<const unsigned char*>(added), added[1] != None ? 2 : 1);
        } else {
            XEvent event {};
            event.xclient.type = ClientMessage;
            event.xclient.window = xwindow;
            event.xclient.message_type = state;
            event.xclient.format = 32;
            event.xclient.data.l[0] = 1; // _NET_WM_STATE_ADD
            event.xclient.data.l[1] = static_cast<long>(added[0]);
            event.xclient.data.l[2] = static_cast<long>(added[1]);
            event.xclient.data.l[3] = 1; // from a normal application
            XSendEvent(display_, DefaultRootWindow(display_), False,
                SubstructureRedirectMask | SubstructureNotifyMask, &event);
        }
        XFlush(display_);
        return true;
    }

    Display* display_ = nullptr;
    bool hasXTest_ = false;
};

} // namespace

std::unique_ptr<Platform> makeNative() { return std::make_unique<X11Platform>(); }

} // namespace platform
