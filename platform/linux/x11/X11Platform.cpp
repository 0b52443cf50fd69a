// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// X11 backend: XTest for injected buttons, XInput 2 raw key events for the
// global key state (XQueryKeymap where the server lacks them), EWMH for the
// topmost band, and detached programs for the system actions and the web
// page, found through PATH and started without a shell.
#include "X11Platform.h"

#include "platform/linux/KeyReport.h"
#include "platform/linux/WindowSystem.h"
#include "platform/linux/posix/Spawn.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <set>
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
    {mouse::LeftDown, 1, true},
    {mouse::LeftUp, 1, false},
    {mouse::RightDown, 3, true},
    {mouse::RightUp, 3, false},
    {mouse::MiddleDown, 2, true},
    {mouse::MiddleUp, 2, false},
}};

std::optional<KeySym> keySymFor(int virtualKey)
{
    if (virtualKey >= 0x70 && virtualKey <= 0x87) // VK_F1 .. VK_F24
        return XK_F1 + static_cast<KeySym>(virtualKey - 0x70);
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return static_cast<KeySym>(virtualKey);
    return std::nullopt;
}

// Whether the server's keymap has the key down: one round trip.
bool keymapHolds(Display* display, KeyCode code)
{
    std::array<char, 32> keys {};
    XQueryKeymap(display, keys.data());
    return (static_cast<unsigned char>(keys[code / 8]) & (1u << (code % 8))) != 0;
}

// Follows keys through XInput 2 raw key events, selected on the root window
// and read from this connection at each query: a query costs no round trip,
// and a press that begins and ends between two queries is still seen. Raw
// events come from the devices, so the server's auto-repeat makes none; a
// press from a device that already holds the key would be a repeat, and is
// not counted either. Only keys that have been asked for are followed.
class RawKeys {
public:
    // False unless the server has XInput 2.1, from which on raw events come
    // whatever grab another client holds.
    bool start(Display* display)
    {
        int event = 0, error = 0, major = 2, minor = 2;
        if (XQueryExtension(display, "XInputExtension", &opcode_, &event, &error) == 0
            || XIQueryVersion(display, &major, &minor) != Success || major < 2
            || (major == 2 && minor < 1))
            return false;
        std::array<unsigned char, XIMaskLen(XI_RawKeyRelease)> bits {};
        XISetMask(bits.data(), XI_RawKeyPress);
        XISetMask(bits.data(), XI_RawKeyRelease);
        XIEventMask mask {XIAllMasterDevices, static_cast<int>(bits.size()), bits.data()};
        XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
        XFlush(display);
        return true;
    }

    // GetAsyncKeyState's bits for the key; the pressed bit is cleared by the
    // query. The connection's events must have been read first.
    std::uint16_t query(Display* display, KeyCode code)
    {
        auto key = keys_.find(code);
        if (key == keys_.end()) {
            // The first query takes the key's state from the server once.
            Key held;
            if (keymapHolds(display, code))
                held.heldBy.insert(unknownDevice);
            key = keys_.emplace(code, held).first;
        }
        return key->second.report.query(!key->second.heldBy.empty());
    }

    // Takes one event of the connection; false when it is not a raw key event.
    bool take(Display* display, XEvent& event)
    {
        XGenericEventCookie& cookie = event.xcookie;
        if (cookie.type != GenericEvent || cookie.extension != opcode_
            || XGetEventData(display, &cookie) == 0)
            return false;
        const auto& raw = *static_cast<const XIRawEvent*>(cookie.data);
        const auto key = keys_.find(static_cast<KeyCode>(raw.detail));
        if (key != keys_.end())
            apply(key->second, raw);
        XFreeEventData(display, &cookie);
        return true;
    }

private:
    struct Key {
        std::set<int> heldBy; // the devices holding it down
        linux_keys::KeyReport report;
    };
    static constexpr int unknownDevice = -1; // held before it was followed

    static void apply(Key& key, const XIRawEvent& raw)
    {
        const bool wasUp = key.heldBy.empty();
        if (raw.evtype == XI_RawKeyRelease) {
            key.heldBy.erase(raw.sourceid);
            key.heldBy.erase(unknownDevice);
            if (!wasUp && key.heldBy.empty())
                key.report.released();
        } else if (raw.evtype == XI_RawKeyPress && (raw.flags & XIKeyRepeat) == 0) {
            key.heldBy.insert(raw.sourceid);
            if (wasUp)
                key.report.pressed();
        }
    }

    int opcode_ = 0;
    std::map<KeyCode, Key> keys_;
};

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
        : display_(adoptProbeOrOpen())
    {
        XSetIOErrorHandler(onConnectionLost);
        if (display_ == nullptr) {
            std::fputs("vantrel: cannot open the X display; XTest clicks, the X key state and "
                       "the topmost band are unavailable\n",
                stderr);
            return;
        }
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        hasXTest_ = XTestQueryExtension(display_, &eventBase, &errorBase, &major, &minor) != 0;
        if (!hasXTest_)
            std::fputs(
                "vantrel: the X display has no XTEST extension; clicks will do nothing\n", stderr);
        hasRawKeys_ = rawKeys_.start(display_);
        if (!hasRawKeys_)
            std::fputs("vantrel: the X display has no XInput 2.1; F9 is read from the keymap at "
                       "each poll, so a press shorter than a poll can be missed\n",
                stderr);
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
        readPending();
        // No motion flag is ever passed, so the event lands where the pointer is.
        for (const auto& entry : buttonFlags) {
            if ((flags & entry.flag) == 0)
                continue;
            XTestFakeButtonEvent(display_, entry.button, entry.press ? True : False, CurrentTime);
            XFlush(display_);
        }
    }

    KeyState asyncKeyState(int virtualKey) override
    {
        const auto sym = keySymFor(virtualKey);
        if (display_ == nullptr || !sym)
            return 0;
        const KeyCode code = XKeysymToKeycode(display_, *sym);
        if (code == 0)
            return 0;
        readPending();
        if (hasRawKeys_)
            return rawKeys_.query(display_, code);
        return keymapHolds(display_, code) ? key::Down : 0;
    }

    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t, std::int32_t,
        std::int32_t, std::int32_t, std::uint32_t) override
    {
        if (insertAfter != placement::Topmost)
            return false;
        return addStates(window, "_NET_WM_STATE_ABOVE", nullptr);
    }

    // Qt gives a tool window the utility type only, which taskbars may list.
    // Its empty input shape is set before the window manager frames the
    // window, and a window manager that copies the shape to its frame only
    // when told of a change (openbox) leaves the frame taking the clicks:
    // the shape is set again each time the window is mapped.
    void keepInBackground(NativeWindow window) override
    {
        addStates(window, "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER");
        if (display_ == nullptr || window == passThrough_)
            return;
        passThrough_ = static_cast<Window>(window);
        XSelectInput(display_, passThrough_, StructureNotifyMask);
        XFlush(display_);
    }

    void setTimingCritical(bool) override { }

    // What a pager sends (source 2): window managers honour it for a window
    // they hold iconic, also one whose frame they unmapped when they took
    // the window over from a window manager before them.
    void activateWindow(NativeWindow window) override
    {
        if (display_ == nullptr || window == 0)
            return;
        XEvent event {};
        event.xclient.type = ClientMessage;
        event.xclient.window = static_cast<Window>(window);
        event.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display_, DefaultRootWindow(display_), False,
            SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
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

    // X11 has no say in the machine's sleep; the Linux backend asks logind.
    void keepAwake(bool, const std::string&) override { }

private:
    static Display* adoptProbeOrOpen()
    {
        auto* probe = static_cast<Display*>(linux_session::takeProbeConnection());
        return probe != nullptr ? probe : XOpenDisplay(nullptr);
    }

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
        // A round trip, not a flush: Qt reads and rewrites the property on its
        // own connection as it maps the window, and the server may serve that
        // connection first, dropping what was only queued here.
        XSync(display_, False);
        return true;
    }

    // Takes every event that has arrived on this connection, without waiting
    // for more: raw keys, and the mapping of the window clicks pass through.
    void readPending()
    {
        if (display_ == nullptr)
            return;
        while (XPending(display_) > 0) {
            XEvent event;
            XNextEvent(display_, &event);
            if (rawKeys_.take(display_, event) || event.type != MapNotify
                || event.xmap.window != passThrough_)
                continue;
            XShapeCombineRectangles(
                display_, passThrough_, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
            XFlush(display_);
        }
    }

    Display* display_ = nullptr;
    Window passThrough_ = 0;
    bool hasXTest_ = false;
    RawKeys rawKeys_;
    bool hasRawKeys_ = false;
};

// Xlib's default handler ends the process on any protocol error, such as a
// window that went away between two calls; no call made here is worth that.
int ignoreError(Display*, XErrorEvent*) { return 0; }

} // namespace

std::unique_ptr<Platform> makeX11Platform()
{
    XSetErrorHandler(ignoreError);
    return std::make_unique<X11Platform>();
}

} // namespace platform
