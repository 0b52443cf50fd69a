// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Win32 backend against real Win32 calls (run under Wine by the cross
// build). One case per run: tst_win32 CASE [ARGS...]; the exit code is the
// verdict. The system's shutdown tool is never started here: the launch is
// tried with a probe program of our own.
#include "platform/Platform.h"
#include "platform/win32/Win32Platform.h"

// After Platform.h, which uses some of the same names that <windows.h>
// makes macros of.
#include <windows.h>

#include <winver.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

int failures = 0;
int checks = 0;

void check(bool ok, const std::string& what)
{
    ++checks;
    if (!ok) {
        ++failures;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

std::string hex(unsigned long long value)
{
    std::ostringstream text;
    text << "0x" << std::hex << std::uppercase << value;
    return text.str();
}

template <typename T> void checkEqual(const T& actual, const T& expected, const std::string& what)
{
    std::ostringstream text;
    text << what << ": got " << actual << ", expected " << expected;
    check(actual == expected, text.str());
}

void checkHex(unsigned long long actual, unsigned long long expected, const std::string& what)
{
    check(actual == expected, what + ": got " + hex(actual) + ", expected " + hex(expected));
}

// Delivers this thread's messages until `done` holds or the time is up (a
// bound on waiting, not a measurement).
bool pumpUntil(const std::function<bool()>& done, ULONGLONG limitMs = 10000)
{
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    for (;;) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (done())
            return true;
        if (::GetTickCount64() >= end)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool fileExists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ownPath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/")); }

// --- A test window that records the button messages it receives ---------

struct ButtonMessage {
    UINT message;
    WPARAM keys;
    POINT at;
};
std::vector<ButtonMessage> received;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        // Client coordinates, signed 16-bit each.
        const POINT at {static_cast<std::int16_t>(lParam & 0xFFFF),
            static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
        received.push_back({message, wParam, at});
        return 0;
    }
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND makeWindow(DWORD exStyle, int x, int y, int width, int height)
{
    static const ATOM windowClass = [] {
        WNDCLASSA description {};
        description.lpfnWndProc = recordingProc;
        description.hInstance = ::GetModuleHandleA(nullptr);
        description.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
        description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        description.lpszClassName = "VantrelTestWindow";
        return ::RegisterClassA(&description);
    }();
    if (windowClass == 0)
        return nullptr;
    const HWND window
        = ::CreateWindowExA(exStyle, "VantrelTestWindow", "Vantrel test", WS_POPUP | WS_VISIBLE, x,
            y, width, height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) {
        ::UpdateWindow(window);
        pumpUntil([] { return false; }, 200);
    }
    return window;
}

const char* messageName(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        return "left down";
    case WM_LBUTTONUP:
        return "left up";
    case WM_RBUTTONDOWN:
        return "right down";
    case WM_RBUTTONUP:
        return "right up";
    case WM_MBUTTONDOWN:
        return "middle down";
    case WM_MBUTTONUP:
        return "middle up";
    default:
        return "other";
    }
}

// --- Cases -----------------------------------------------------------------

// Each injected press and release reaches the window under the pointer, at
// the pointer, in order, and the pointer stays where it was.
void testMouse(platform::Platform& backend)
{
    const HWND window = makeWindow(WS_EX_TOPMOST, 200, 150, 400, 300);
    check(window != nullptr, "test window created");
    if (window == nullptr)
        return;
    ::SetForegroundWindow(window);
    ::SetCursorPos(437, 283);
    POINT before {};
    check(pumpUntil([&] {
        ::GetCursorPos(&before);
        return ::WindowFromPoint(before) == window;
    }),
        "the test window lies under the pointer");

    struct Pair {
        std::uint32_t down, up;
        UINT downMessage, upMessage;
        WPARAM heldKey;
    };
    const Pair pairs[] = {
        {platform::mouse::LeftDown, platform::mouse::LeftUp, WM_LBUTTONDOWN, WM_LBUTTONUP,
            MK_LBUTTON},
        {platform::mouse::RightDown, platform::mouse::RightUp, WM_RBUTTONDOWN, WM_RBUTTONUP,
            MK_RBUTTON},
        {platform::mouse::MiddleDown, platform::mouse::MiddleUp, WM_MBUTTONDOWN, WM_MBUTTONUP,
            MK_MBUTTON},
    };
    received.clear();
    for (const Pair& pair : pairs) {
        backend.mouseEvent(pair.down, 0, 0, 0, 0);
        backend.mouseEvent(pair.up, 0, 0, 0, 0);
    }
    pumpUntil([] { return received.size() >= 6; });

    POINT expectedAt = before;
    ::ScreenToClient(window, &expectedAt);
    checkEqual(received.size(), std::size_t {6}, "button messages received");
    for (std::size_t i = 0; i < received.size() && i < 6; ++i) {
        const Pair& pair = pairs[i / 2];
        const bool down = i % 2 == 0;
        const ButtonMessage& got = received[i];
        const std::string name = messageName(down ? pair.downMessage : pair.upMessage);
        checkEqual(std::string(messageName(got.message)), name, "message " + std::to_string(i));
        check(((got.keys & pair.heldKey) != 0) == down,
            name + ": button " + (down ? "held" : "released") + " in the key state");
        checkEqual(got.at.x, expectedAt.x, name + ": x");
        checkEqual(got.at.y, expectedAt.y, name + ": y");
    }
    POINT after {};
    ::GetCursorPos(&after);
    checkEqual(after.x, before.x, "pointer x after the clicks");
    checkEqual(after.y, before.y, "pointer y after the clicks");
    ::DestroyWindow(window);
}

// F9's state as the hot key reads it: pressed-since-last-query and down,
// then only down, then up.
void testHotkey(platform::Platform& backend)
{
    const HWND window = makeWindow(0, 10, 10, 100, 100);
    ::SetForegroundWindow(window);
    backend.asyncKeyState(platform::key::F9); // forgets any earlier press
    checkHex(backend.asyncKeyState(platform::key::F9), 0, "F9 before the press");

    ::keybd_event(VK_F9, 0, 0, 0);
    const std::uint16_t first = backend.asyncKeyState(platform::key::F9);
    const std::uint16_t second = backend.asyncKeyState(platform::key::F9);
    ::keybd_event(VK_F9, 0, KEYEVENTF_KEYUP, 0);
    const std::uint16_t released = backend.asyncKeyState(platform::key::F9);

    checkHex(first, 0x8001, "first query after the press");
    checkHex(second, 0x8000, "second query while held");
    checkHex(released, 0, "after the release");
    // Another key stays up throughout.
    checkHex(backend.asyncKeyState(VK_F8), 0, "F8");
    if (window != nullptr)
        ::DestroyWindow(window);
}

// The window joins the topmost band and keeps its place and size; a window
// that no longer exists is reported as a failure.
void testTopmost(platform::Platform& backend)
{
    const HWND window = makeWindow(0, 50, 60, 320, 240);
    check(window != nullptr, "test window created");
    if (window == nullptr)
        return;
    const auto topmost
        = [&] { return (::GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    check(!topmost(), "not topmost before");
    RECT before {};
    ::GetWindowRect(window, &before);

    check(backend.setWindowPos(reinterpret_cast<platform::NativeWindow>(window),
              platform::placement::Topmost, 0, 0, 0, 0,
              platform::placement::NoMove | platform::placement::NoSize),
        "setWindowPos reports success");
    pumpUntil([] { return false; }, 100);
    check(topmost(), "WS_EX_TOPMOST set");
    RECT after {};
    ::GetWindowRect(window, &after);
    checkEqual(after.left, before.left, "left");
    checkEqual(after.top, before.top, "top");
    checkEqual(after.right, before.right, "right");
    checkEqual(after.bottom, before.bottom, "bottom");

    ::DestroyWindow(window);
    check(!backend.setWindowPos(reinterpret_cast<platform::NativeWindow>(window),
              platform::placement::Topmost, 0, 0, 0, 0,
              platform::placement::NoMove | platform::placement::NoSize),
        "setWindowPos on a destroyed window reports failure");
}

// Only the three system command lines map to a program, the system folder's
// shutdown tool (whose existence is checked; it is never started). The start
// itself is tried with the probe: it is not waited for, it gets the show
// state, and it gets the command line unchanged.
void testLaunch(platform::Platform& backend)
{
    char folder[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    const std::string tool = std::string(folder, length) + "\\shutdown.exe";
    for (const char* line : {"shutdown -s -t 00", "shutdown -r -t 00", "shutdown -l"}) {
        checkEqual(platform::win32::systemToolFor(line), tool, std::string("tool for ") + line);
    }
    check(fileExists(tool), "the system's shutdown tool exists at " + tool);
    for (const char* line : {"", "shutdown", "shutdown -s -t 0", "Shutdown -s -t 00",
             "shutdown -s -t 00 ", " shutdown -l", "shutdown -l -f", "shutdown.exe -l",
             "shutdown -a", "cmd /c shutdown -l"}) {
        checkEqual(platform::win32::systemToolFor(line), std::string(),
            std::string("no tool for ") + line);
    }

    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string pid = std::to_string(::GetCurrentProcessId());
    const std::string work = std::string(temp) + "vantrel-launch-" + pid;
    ::CreateDirectoryA(work.c_str(), nullptr);
    const std::string probe = folderOf(ownPath()) + "\\win32_launch_probe.exe";
    check(fileExists(probe), "probe program at " + probe);
    const std::string refusedOutput = work + "\\refused.txt";
    const std::string output = work + "\\started.txt";
    const std::string eventName = "VantrelLaunchProbe-" + pid;
    const HANDLE go = ::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    check(go != nullptr, "event created");

    // Any other command line is refused without being started.
    const std::string refusedLine = "\"" + probe + "\" \"" + refusedOutput + "\" " + eventName;
    check(!backend.launch(refusedLine, platform::show::Minimized),
        "launch refuses another command line");
    check(!platform::win32::startDetached(work + "\\missing.exe", "missing", SW_SHOWMINIMIZED),
        "a missing program is reported as a failure");

    const std::string line = "\"" + probe + "\" \"" + output + "\" " + eventName;
    check(platform::win32::startDetached(probe, line, SW_SHOWMINIMIZED), "the probe starts");
    // The probe waits for the event before it writes: if the start had
    // waited for it, its file would be there already.
    check(!fileExists(output), "the start returned while the probe still ran");
    ::SetEvent(go);
    check(pumpUntil([&] { return fileExists(output); }, 30000), "the probe wrote its report");

    const std::string report = readFile(output);
    std::map<std::string, std::string> fields;
    std::istringstream lines(report);
    for (std::string field; std::getline(lines, field);) {
        const auto equals = field.find('=');
        if (equals != std::string::npos)
            fields[field.substr(0, equals)] = field.substr(equals + 1);
    }
    checkEqual(fields["waited"], std::string("yes"), "the probe waited for the event");
    checkEqual(fields["show"], std::string("2"), "show state given to the program");
    check((std::stoul("0" + fields["flags"]) & STARTF_USESHOWWINDOW) != 0,
        "STARTF_USESHOWWINDOW given to the program");
    checkEqual(fields["command"], line, "command line given to the program");
    check(!fileExists(refusedOutput), "the refused command line never ran");

    ::CloseHandle(go);
    ::DeleteFileA(output.c_str());
    ::RemoveDirectoryA(work.c_str());
}

// The address reaches the browser (under Wine, a recording script set as
// the browser; its log is the first argument).
void testShell(platform::Platform& backend, const std::string& browserLog)
{
    ::DeleteFileA(browserLog.c_str());
    const std::string address = "https://vantrel.invalid/more?from=about&x=1";
    const std::intptr_t result
        = backend.shellExecute(0, "open", address, "", "", platform::show::Normal);
    check(result > 32, "the shell reports success (" + std::to_string(result) + ")");
    check(pumpUntil([&] { return !readFile(browserLog).empty(); }, 30000),
        "the browser was asked to open something");
    checkEqual(readFile(browserLog), address + "\n", "address given to the browser");

    const std::intptr_t missing = backend.shellExecute(
        0, "open", "C:\\vantrel-no-such-file.txt", "", "", platform::show::Normal);
    check(
        missing <= 32, "a missing file is reported as a failure (" + std::to_string(missing) + ")");
}

std::string versionString(const std::vector<char>& record, const std::string& name)
{
    void* value = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\040904B0\\" + name;
    if (!::VerQueryValueA(record.data(), path.c_str(), &value, &length) || value == nullptr)
        return "(missing)";
    return std::string(static_cast<const char*>(value));
}

// The executable's own version record, read as Explorer reads it, and its
// icon group, with as many images as the icon file.
void testVersion(const std::string& iconFile)
{
    const std::string self = ownPath();
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(self.c_str(), &ignored);
    check(size > 0, "the executable has a version record");
    if (size == 0)
        return;
    std::vector<char> record(size);
    check(::GetFileVersionInfoA(self.c_str(), 0, size, record.data()) != FALSE,
        "the version record reads");

    void* value = nullptr;
    UINT length = 0;
    check(::VerQueryValueA(record.data(), "\\", &value, &length)
            && length >= sizeof(VS_FIXEDFILEINFO),
        "fixed part present");
    if (value != nullptr) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        checkHex(fixed->dwSignature, 0xFEEF04BD, "signature");
        checkHex(fixed->dwFileVersionMS, 0x00010005, "file version 1.5");
        checkHex(fixed->dwFileVersionLS, 0x00000001, "file version .0.1");
        checkHex(fixed->dwProductVersionMS, 0x00010005, "product version 1.5");
        checkHex(fixed->dwProductVersionLS, 0x00000001, "product version .0.1");
        checkHex(fixed->dwFileType, VFT_APP, "file type");
    }

    value = nullptr;
    check(::VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", &value, &length)
            && length == 4,
        "one translation");
    if (value != nullptr && length == 4) {
        const auto* translation = static_cast<const WORD*>(value);
        checkHex(translation[0], 0x0409, "language");
        checkHex(translation[1], 0x04B0, "code page");
    }

    checkEqual(versionString(record, "FileVersion"), std::string("1.05.0001"), "FileVersion");
    checkEqual(versionString(record, "ProductVersion"), std::string("1.05.0001"), "ProductVersion");
    checkEqual(versionString(record, "FileDescription"), std::string("Automation tool"),
        "FileDescription");
    checkEqual(versionString(record, "ProductName"), std::string("Vantrel"), "ProductName");

    // An icon file starts with reserved 0, type 1 and the image count.
    const std::string icon = readFile(iconFile);
    check(icon.size() > 6, "icon file read from " + iconFile);
    const unsigned imagesInFile = icon.size() > 6
        ? static_cast<unsigned char>(icon[4]) | (static_cast<unsigned char>(icon[5]) << 8)
        : 0;
    const HRSRC group = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));
    check(group != nullptr, "icon group 1 present");
    if (group != nullptr) {
        const auto* header
            = static_cast<const WORD*>(::LockResource(::LoadResource(nullptr, group)));
        checkEqual(static_cast<unsigned>(header[2]), imagesInFile, "images in the icon group");
    }
    check(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)) != nullptr, "icon loads");
}

} // namespace

int main(int argc, char** argv)
{
    const std::string name = argc > 1 ? argv[1] : "";
    const std::string argument = argc > 2 ? argv[2] : "";
    std::unique_ptr<platform::Platform> backend = platform::makeNative();

    if (name == "mouse")
        testMouse(*backend);
    else if (name == "hotkey")
        testHotkey(*backend);
    else if (name == "topmost")
        testTopmost(*backend);
    else if (name == "launch")
        testLaunch(*backend);
    else if (name == "shell" && !argument.empty())
        testShell(*backend, argument);
    else if (name == "version" && !argument.empty())
        testVersion(argument);
    else {
        std::printf("usage: tst_win32 mouse|hotkey|topmost|launch|shell LOG|version ICON\n");
        return 2;
    }
    std::printf("%s: %d passed, %d failed\n", name.c_str(), checks - failures, failures);
    return failures == 0 && checks > 0 ? 0 : 1;
}
