// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Win32 backend: the user32, kernel32 and shell32 calls themselves, with the
// arguments passed through, the interface's names turned into the Win32 ones.
#include "platform/win32/Win32Platform.h"
#include "platform/Platform.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform::win32 {
namespace {

// The interface's names, applied as the Win32 headers spell them.
constexpr struct {
    std::uint32_t flag;
    DWORD win32;
} mouseFlags[] = {
    {mouse::LeftDown, MOUSEEVENTF_LEFTDOWN},
    {mouse::LeftUp, MOUSEEVENTF_LEFTUP},
    {mouse::RightDown, MOUSEEVENTF_RIGHTDOWN},
    {mouse::RightUp, MOUSEEVENTF_RIGHTUP},
    {mouse::MiddleDown, MOUSEEVENTF_MIDDLEDOWN},
    {mouse::MiddleUp, MOUSEEVENTF_MIDDLEUP},
};

DWORD win32MouseFlags(std::uint32_t flags)
{
    DWORD result = 0;
    for (const auto& entry : mouseFlags)
        if ((flags & entry.flag) != 0)
            result |= entry.win32;
    return result;
}

HWND win32InsertAfter(std::intptr_t insertAfter)
{
    return insertAfter == placement::Topmost ? HWND_TOPMOST : reinterpret_cast<HWND>(insertAfter);
}

UINT win32PlacementFlags(std::uint32_t flags)
{
    return ((flags & placement::NoSize) != 0 ? SWP_NOSIZE : 0U)
        | ((flags & placement::NoMove) != 0 ? SWP_NOMOVE : 0U);
}

int win32ShowState(int showState)
{
    switch (showState) {
    case show::Normal:
        return SW_SHOWNORMAL;
    case show::Minimized:
        return SW_SHOWMINIMIZED;
    default:
        return showState;
    }
}

const char* orNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

class Win32Platform final : public Platform {
public:
    void mouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
        std::uintptr_t extraInfo) override
    {
        ::mouse_event(win32MouseFlags(flags), static_cast<DWORD>(dx), static_cast<DWORD>(dy),
            static_cast<DWORD>(data), static_cast<ULONG_PTR>(extraInfo));
    }

    KeyState asyncKeyState(int virtualKey) override
    {
        // A SHORT with the down bit set is negative: read it as the 16 bits it is.
        return static_cast<std::uint16_t>(::GetAsyncKeyState(virtualKey));
    }

    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags) override
    {
        return ::SetWindowPos(reinterpret_cast<HWND>(window), win32InsertAfter(insertAfter), x, y,
                   cx, cy, win32PlacementFlags(flags))
            != FALSE;
    }

    // A tool window (WS_EX_TOOLWINDOW, which the toolkit gives it) has no
    // taskbar button on Windows already.
    // A tool window is off the taskbar already; without WS_EX_NOACTIVATE the
    // system would still activate it when the window before it minimizes.
    void keepInBackground(NativeWindow window) override
    {
        const HWND handle = reinterpret_cast<HWND>(window);
        const LONG_PTR style = ::GetWindowLongPtrA(handle, GWL_EXSTYLE);
        if ((style & WS_EX_NOACTIVATE) == 0)
            ::SetWindowLongPtrA(handle, GWL_EXSTYLE, style | WS_EX_NOACTIVATE);
    }

    // Windows 11 stops honouring the timer resolution a program asks for
    // once none of its windows is visible; a run minimizes the main window
    // and its clicks would drift by up to 15.6 ms. Out of a run the system
    // decides again. Earlier systems lack the call and need none of it.
    void setTimingCritical(bool on) override
    {
        PROCESS_POWER_THROTTLING_STATE state {};
        state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
        state.ControlMask = on ? PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION : 0;
        state.StateMask = 0;
        ::SetProcessInformation(
            ::GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
    }

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
            file.c_str(), orNull(parameters), orNull(directory), win32ShowState(showCommand));
        if (SUCCEEDED(com))
            ::CoUninitialize();
        return reinterpret_cast<std::intptr_t>(result);
    }

    bool launch(const std::string& commandLine, int showState) override
    {
        const std::string tool = systemToolFor(commandLine);
        return !tool.empty() && startDetached(tool, commandLine, win32ShowState(showState));
    }

    // Windows shows no reason for a thread's execution state.
    void keepAwake(bool on, const std::string&) override
    {
        ::SetThreadExecutionState(on ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
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

namespace {
// Where the main window's handle waits for a later copy; names in the
// session's own namespace, so that another user's copy is not this one's.
std::uint64_t* sharedMainWindow = nullptr;
} // namespace

bool claimOnlyInstance()
{
    // Held until the process ends, which closes it.
    const HANDLE lock = ::CreateMutexA(nullptr, FALSE, "Local\\Vantrel-one-copy");
    const bool another = lock != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
    const HANDLE mapping = ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
        sizeof(std::uint64_t), "Local\\Vantrel-main-window");
    if (mapping != nullptr)
        sharedMainWindow = static_cast<std::uint64_t*>(
            ::MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(std::uint64_t)));
    if (!another)
        return true;
    const HWND window = sharedMainWindow != nullptr
        ? reinterpret_cast<HWND>(static_cast<std::uintptr_t>(*sharedMainWindow))
        : nullptr;
    if (window != nullptr && ::IsWindow(window) != FALSE) {
        if (::IsIconic(window) != FALSE)
            ::ShowWindow(window, SW_RESTORE);
        ::SetForegroundWindow(window);
    }
    return false;
}

void announceMainWindow(NativeWindow window)
{
    if (sharedMainWindow != nullptr)
        *sharedMainWindow = window;
}

std::string systemFace(const std::string& face)
{
    LOGFONTW request {};
    request.lfCharSet = DEFAULT_CHARSET;
    const int length
        = ::MultiByteToWideChar(CP_UTF8, 0, face.c_str(), -1, request.lfFaceName, LF_FACESIZE);
    const HFONT font = length > 0 ? ::CreateFontIndirectW(&request) : nullptr;
    const HDC dc = ::CreateCompatibleDC(nullptr);
    wchar_t drawn[LF_FACESIZE] = {};
    if (font != nullptr && dc != nullptr) {
        const HGDIOBJ previous = ::SelectObject(dc, font);
        ::GetTextFaceW(dc, LF_FACESIZE, drawn);
        ::SelectObject(dc, previous);
    }
    if (dc != nullptr)
        ::DeleteDC(dc);
    if (font != nullptr)
        ::DeleteObject(font);
    char utf8[4 * LF_FACESIZE] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, drawn, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

} // namespace platform
