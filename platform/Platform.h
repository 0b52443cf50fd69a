// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calls Vantrel makes into the operating system, and nothing else.
// Plain C++ on purpose: the rest of the program builds and is tested against
// the recording fake, and each real backend lives in a folder of its own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The interface's own names, so that no system header's macros can clash
// with them; the values are those of the Win32 calls, which the Win32
// backend translates to its headers' constants.

// Flags of one mouse event.
namespace mouse {
inline constexpr std::uint32_t LeftDown = 0x0002;
inline constexpr std::uint32_t LeftUp = 0x0004;
inline constexpr std::uint32_t RightDown = 0x0008;
inline constexpr std::uint32_t RightUp = 0x0010;
inline constexpr std::uint32_t MiddleDown = 0x0020;
inline constexpr std::uint32_t MiddleUp = 0x0040;
} // namespace mouse

// A key's global state, and the virtual-key code of the hot key.
using KeyState = std::uint16_t;
namespace key {
inline constexpr int F9 = 0x78;
inline constexpr KeyState Down = 0x8000;
inline constexpr KeyState PressedSinceLastQuery = 0x0001;
} // namespace key

// setWindowPos arguments that put a window in the topmost band.
namespace placement {
inline constexpr std::intptr_t Topmost = -1;
inline constexpr std::uint32_t NoSize = 0x0001;
inline constexpr std::uint32_t NoMove = 0x0002;
} // namespace placement

// Show states of a launched program or an opened page.
namespace show {
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
} // namespace show

// A native window handle (HWND on Windows, an X window id on X11).
using NativeWindow = std::uintptr_t;

class Platform {
public:
    virtual ~Platform() = default;

    // Injects one mouse event at the pointer's current position.
    virtual void mouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
        std::int32_t data, std::uintptr_t extraInfo)
        = 0;

    // Global state of a key, whichever window has the focus.
    virtual KeyState asyncKeyState(int virtualKey) = 0;

    // SetWindowPos(window, insertAfter, x, y, cx, cy, flags); true on success.
    virtual bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags)
        = 0;

    // Keeps a window that only shows something in the background off the
    // taskbar and the pager, and from ever becoming the active window, where
    // the window system does not already do so for a tool window that takes
    // no input; called each time before the window is shown.
    virtual void keepInBackground(NativeWindow window) = 0;

    // Brings a minimized top-level window back and activates it through the
    // window manager, as a pager does; called after the toolkit's own
    // restore, which a window manager that took the window over while it was
    // minimized does not act on.
    virtual void activateWindow(NativeWindow window) = 0;

    // A click run begins (true) or ends (false). While it runs, the system is
    // asked to keep the click timer as precise as requested, even when the
    // program's windows are minimized or hidden.
    virtual void setTimingCritical(bool on) = 0;

    // Blocks the calling thread.
    virtual void sleep(std::uint32_t milliseconds) = 0;

    // ShellExecuteA(owner, operation, file, parameters, directory, showCommand).
    // Returns the shell's result: above 32 means success.
    virtual std::intptr_t shellExecute(NativeWindow owner, const std::string& operation,
        const std::string& file, const std::string& parameters, const std::string& directory,
        int showCommand)
        = 0;

    // Starts a command line without waiting for it; false when it cannot be started.
    virtual bool launch(const std::string& commandLine, int showState) = 0;

    // While on, asks the system not to sleep, for the reason `why` where the
    // system shows one; off lets it sleep again. Silent where it cannot ask.
    // Called from the user-interface thread: on Windows the request belongs
    // to the thread that made it.
    virtual void keepAwake(bool on, const std::string& why) = 0;
};

// The backend in use. Start-up installs the real one; tests install the fake.
Platform& current();
void install(std::unique_ptr<Platform> backend);

// The real backend of the system this was built for.
std::unique_ptr<Platform> makeNative();

// Run before the toolkit starts: picks the window system to show the windows
// on and steers the toolkit there, unless the user already has. False, with
// one line on standard error, when there is none.
bool chooseWindowSystem();

// Run next: false when another copy of the program already runs for this
// user in this session, after that copy's window has been brought to the
// front; this copy then ends.
bool claimOnlyInstance();

// The main window a later copy brings to the front, once it exists.
void announceMainWindow(NativeWindow window);

// The face the system itself draws text in when a program asks for `face`
// (its own stand-in where that face is not installed), in UTF-8; empty where
// the system leaves that choice to the toolkit.
std::string systemFace(const std::string& face);

} // namespace platform
