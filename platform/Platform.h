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

// mouse_event flag values.
inline constexpr std::uint32_t MOUSEEVENTF_LEFTDOWN = 0x0002;
inline constexpr std::uint32_t MOUSEEVENTF_LEFTUP = 0x0004;
inline constexpr std::uint32_t MOUSEEVENTF_RIGHTDOWN = 0x0008;
inline constexpr std::uint32_t MOUSEEVENTF_RIGHTUP = 0x0010;
inline constexpr std::uint32_t MOUSEEVENTF_MIDDLEDOWN = 0x0020;
inline constexpr std::uint32_t MOUSEEVENTF_MIDDLEUP = 0x0040;

// Virtual-key code of the hot key.
inline constexpr int VK_F9 = 0x78;

// Key-state bits as GetAsyncKeyState reports them.
inline constexpr std::uint16_t KEY_DOWN = 0x8000;
inline constexpr std::uint16_t KEY_PRESSED_SINCE_LAST_QUERY = 0x0001;

// SetWindowPos arguments used to put a window in the topmost band.
inline constexpr std::intptr_t HWND_TOPMOST = -1;
inline constexpr std::uint32_t SWP_NOSIZE = 0x0001;
inline constexpr std::uint32_t SWP_NOMOVE = 0x0002;

// Show states.
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;

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
    virtual std::uint16_t asyncKeyState(int virtualKey) = 0;

    // SetWindowPos(window, insertAfter, x, y, cx, cy, flags); true on success.
    virtual bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags)
        = 0;

    // Keeps a window off the taskbar and the pager, where the window system
    // does not already do so for a tool window; called each time before the
    // window is shown.
    virtual void keepOffTaskbar(NativeWindow window) = 0;

    // Brings a minimized top-level window back and activates it through the
    // window manager, as a pager does; called after the toolkit's own
    // restore, which a window manager that took the window over while it was
    // minimized does not act on.
    virtual void activateWindow(NativeWindow window) = 0;

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

} // namespace platform
