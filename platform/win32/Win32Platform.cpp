// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Win32 backend: the user32, kernel32 and shell32 calls themselves, with the
// arguments passed through unchanged.
#include "platform/win32/Win32Platform.h"
#include "platform/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::win32 {
namespace {

// Platform.h spells the Windows constants under their Windows names, which
// <windows.h> turns into macros: take the interface's values before it comes
// in, so that the two can be compared below.
struct InterfaceValues {
    std::uint32_t leftDown = MOUSEEVENTF_LEFTDOWN;
    std::uint32_t leftUp = MOUSEEVENTF_LEFTUP;
    std::uint32_t rightDown = MOUSEEVENTF_RIGHTDOWN;
    std::uint32_t rightUp = MOUSEEVENTF_RIGHTUP;
    std::uint32_t middleDown = MOUSEEVENTF_MIDDLEDOWN;
    std::uint32_t middleUp = MOUSEEVENTF_MIDDLEUP;
    int f9 = VK_F9;
    std::intptr_t topmost = HWND_TOPMOST;
    std::uint32_t noSize = SWP_NOSIZE;
    std::uint32_t noMove = SWP_NOMOVE;
    int showNormal = SW_SHOWNORMAL;
    int showMinimized = SW_SHOWMINIMIZED;
};
constexpr InterfaceValues interfaceValues {};

} // namespace
} // namespace platform::win32

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

namespace platform::win32 {
namespace {

static_assert(interfaceValues.leftDown == MOUSEEVENTF_LEFTDOWN);
static_assert(interfaceValues.leftUp == MOUSEEVENTF_LEFTUP);
static_assert(interfaceValues.rightDown == MOUSEEVENTF_RIGHTDOWN);
static_assert(interfaceValues.rightUp == MOUSEEVENTF_RIGHTUP);
static_assert(interfaceValues.middleDown == MOUSEEVENTF_MIDDLEDOWN);
static_assert(interfaceValues.middleUp == MOUSEEVENTF_MIDDLEUP);
static_assert(interfaceValues.f9 == VK_F9);
static_assert(interfaceValues.topmost == -1);
static_assert(interfaceValues.noSize == SWP_NOSIZE);
static_assert(interfaceValues.noMove == SWP_NOMOVE);
static_assert(interfaceValues.showNormal == SW_SHOWNORMAL);
static_assert(interfaceValues.showMinimized == SW_SHOWMINIMIZED);

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class Win32Platform final : public Platform {
public:
    void mouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
        std::uintptr_t extraInfo) override
    {
        ::mouse_event(static_cast<DWORD>(flags), static_cast<DWORD>(dx), static_cast<DWORD>(dy),
            static_cast<DWORD>(data), static_cast<ULONG_PTR>(extraInfo));
    }

    std::uint16_t asyncKeyState(int virtualKey) override
    {
        // A SHORT with the down bit set is negative: read it as the 16 bits it is.
        return static_cast<std::uint16_t>(::GetAsyncKeyState(virtualKey));
    }

    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags) override
    {
        return ::SetWindowPos(reinterpret_cast<HWND>(window), reinterpret_cast<HWND>(insertAfter),
                   x, y, cx, cy, static_cast<UINT>(flags))
            != FALSE;
    }

    // A tool window (WS_EX_TOOLWINDOW, which the toolkit gives it) has no
    // taskbar button on Windows already.
    void keepOffTaskbar(NativeWindow) override { }

    // ShowWindow's restore, which the toolkit makes, activates the window
    // on Windows already.
    void activateWindow(NativeWindow) override { }

    void sleep(std::uint32_t milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }

    std::intptr_t shellExecute(NativeWindow owner, const std::string& operation,
        const std::string& file, const std::string& parameters, const std::string& directory,
        int showCommand) override
    {
        // The shell may hand the address to an extension that needs COM on
        // this thread; where the toolkit has set COM up already this only
        // counts a reference.
        const HRESULT com
            = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        const HINSTANCE result = ::ShellExecuteA(reinterpret_cast<HWND>(owner), orNull(operation),
            file.c_str(), orNull(parameters), orNull(directory), showCommand);
        if (SUCCEEDED(com))
            ::CoUninitialize();
        return reinterpret_cast<std::intptr_t>(result);
    }

    bool launch(const std::string& commandLine, int showState) override
    {
        const std::string tool = systemToolFor(commandLine);
        return !tool.empty() && startDetached(tool, commandLine, showState);
    }
};

} // namespace

std::string systemToolFor(const std::string& commandLine)
{
    if (commandLine != "shutdown -s -t 00" && commandLine != "shutdown -r -t 00"
        && commandLine != "shutdown -l")
        return {};
    // Named by its full path: a search by name would look in the program's
    // own folder and the current folder first, where any "shutdown.exe"
    // could stand in for the system's.
    char folder[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length > MAX_PATH)
        return {};
    return std::string(folder, length) + "\\shutdown.exe";
}

bool startDetached(const std::string& application, const std::string& commandLine, int showState)
{
    if (application.empty() || showState < 0 || showState > 0xFFFF)
        return false;
    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showState);
    PROCESS_INFORMATION process {};
    // CreateProcessA may write into the command line it is given.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (::CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
            nullptr, &startup, &process)
        == FALSE)
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

} // namespace platform::win32

namespace platform {

std::unique_ptr<Platform> makeNative() { return std::make_unique<win32::Win32Platform>(); }

bool chooseWindowSystem() { return true; }

} // namespace platform
