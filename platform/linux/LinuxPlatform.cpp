// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux backend: clicks through a uinput virtual pointer and F9 from the
// keyboards' evdev state where the system lets this user have them, since
// both work on X11 and Wayland alike; on a Wayland desktop, F9 otherwise
// through its GlobalShortcuts portal; else XTest and the X key state, which
// reach X11 applications only. Windows and launching stay with the X11
// backend; logind keeps the machine awake.
#include "platform/Platform.h"
#include "platform/linux/WindowSystem.h"
#include "platform/linux/evdev/EvdevKeys.h"
#include "platform/linux/logind/SleepInhibitor.h"
#include "platform/linux/portal/GlobalShortcut.h"
#include "platform/linux/uinput/UinputPointer.h"
#include "platform/linux/x11/X11Platform.h"

#include <cstdio>
#include <string>

namespace platform {
namespace {

constexpr char xKeyState[]
    = "the X key state, seen on Wayland only while an X11 window has the focus";

class LinuxPlatform final : public Platform {
public:
    LinuxPlatform()
        : x11_(makeX11Platform())
        , pointer_(uinput::UinputPointer::create())
        , keys_(evdev::EvdevKeys::open())
        , windowsAreX11_(linux_session::windowsAreX11())
    {
        std::string noPortal;
        if (!keys_ && linux_session::desktopIsWayland())
            shortcut_ = portal::GlobalShortcut::open(noPortal);
        const std::string keys = keys_ ? "evdev"
            : shortcut_ ? "the desktop's GlobalShortcuts portal (the desktop asks the user once)"
                        : std::string(xKeyState) + " (no keyboard in /dev/input can be read"
                + (noPortal.empty() ? "" : "; " + noPortal) + ")";
        std::fprintf(stderr, "vantrel: clicks through %s; F9 through %s\n",
            pointer_ ? "uinput"
                     : "XTest, reaching X11 applications only (/dev/uinput cannot be opened)",
            keys.c_str());
    }

    void mouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
        std::uintptr_t extraInfo) override
    {
        if (pointer_)
            pointer_->mouseEvent(flags);
        else
            x11_->mouseEvent(flags, dx, dy, data, extraInfo);
    }

    KeyState asyncKeyState(int virtualKey) override
    {
        if (keys_)
            return keys_->asyncKeyState(virtualKey);
        if (shortcut_) {
            const KeyState state = shortcut_->asyncKeyState(virtualKey);
            if (shortcut_->bound())
                return state;
            // Until the user has answered, F9 typed into X11 windows serves.
            if (!shortcut_->lost().empty()) {
                std::fprintf(stderr, "vantrel: %s; from now on F9 through %s\n",
                    shortcut_->lost().c_str(), xKeyState);
                shortcut_.reset();
            }
        }
        return x11_->asyncKeyState(virtualKey);
    }

    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags) override
    {
        // A Wayland window's handle means nothing to Xlib; there the
        // compositor alone decides what stays on top.
        return windowsAreX11_ && x11_->setWindowPos(window, insertAfter, x, y, cx, cy, flags);
    }

    void keepInBackground(NativeWindow window) override
    {
        if (windowsAreX11_)
            x11_->keepInBackground(window);
    }

    // Linux neither coarsens nor throttles the timers of a minimized program.
    void setTimingCritical(bool) override { }

    void activateWindow(NativeWindow window) override
    {
        if (windowsAreX11_)
            x11_->activateWindow(window);
    }

    void sleep(std::uint32_t milliseconds) override { x11_->sleep(milliseconds); }

    std::intptr_t shellExecute(NativeWindow owner, const std::string& operation,
        const std::string& file, const std::string& parameters, const std::string& directory,
        int showCommand) override
    {
        return x11_->shellExecute(owner, operation, file, parameters, directory, showCommand);
    }

    bool launch(const std::string& commandLine, int showState) override
    {
        return x11_->launch(commandLine, showState);
    }

    void keepAwake(bool on, const std::string& why) override
    {
        if (on)
            sleepLock_.hold(why);
        else
            sleepLock_.release();
    }

private:
    std::unique_ptr<Platform> x11_;
    std::unique_ptr<uinput::UinputPointer> pointer_;
    std::unique_ptr<evdev::EvdevKeys> keys_;
    std::unique_ptr<portal::GlobalShortcut> shortcut_;
    bool windowsAreX11_;
    logind::SleepInhibitor sleepLock_;
};

} // namespace

std::unique_ptr<Platform> makeNative() { return std::make_unique<LinuxPlatform>(); }

// fontconfig already hands the toolkit its stand-in for a missing face.
std::string systemFace(const std::string& /*face*/) { return {}; }

} // namespace platform
