// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Looks at the real program's windows and acts on them from a second Win32
// process, the way a user's other application would. The arguments are a
// list of actions, done in order:
//   state            one line: the main window, what covers its centre, the
//                    corner picture's colours, whether it is the foreground
//                    window (where keys go) and the working window
//   click X Y        a left click at (X, Y) of the main window's client area
//   wheel X Y N      N notches of the wheel there (negative: towards the user)
//   backtab, down    Shift+Tab, the down arrow
//   text DIGITS      select the focused field's text and type DIGITS over it
//   f9 HOLD_MS       press F9, hold it, let it go
//   pointer X Y      move the pointer to (X, Y) of the screen, and keep it
//                    there until it has stayed for a second
//   pixel X Y        the colour at (X, Y) of the main window's client area, RRGGBB
//   colours X Y W H  how many colours that rectangle of the client area shows
//   caption X Y W H PX TEXT
//                    the text in that rectangle of the client area, then TEXT
//                    drawn by the system in Tahoma of PX pixels, regular and
//                    bold, in the same colours: a line each ("program",
//                    "regular", "bold") of the ink laid, the columns from the
//                    first inked to the last and the shades of grey on the
//                    edges
//   resources FILE   FILE's manifest and the file version of its version record
//   close            ask the main window to close, as its caption's button does
// Exit code 0, or 1 when an action cannot be done (no main window).
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

// A person's clicks and keys come this many milliseconds apart at the least;
// a burst sent at once has overtaken the program's own handling of it (a
// click on a second field lost, the keys meant for it landing in the first).
constexpr DWORD personsPace = 150;

std::string titleOf(HWND window)
{
    char text[256] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return *text ? text : "-";
}

bool topmost(HWND window) { return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// The top-level window under a point of the screen.
HWND rootAt(POINT at) { return ::GetAncestor(::WindowFromPoint(at), GA_ROOT); }

// The first top-level window with this title, and with a caption or without.
struct Search {
    const char* title;
    bool captioned;
    HWND found;
};

BOOL CALLBACK match(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<Search*>(data);
    const bool captioned = (::GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    if (captioned != search.captioned || titleOf(window) != search.title)
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND findWindow(const char* title, bool captioned)
{
    Search search {title, captioned, nullptr};
    ::EnumWindows(match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Qt gives its untitled windows, such as a list's popup, the program's name:
// the main window is the one with a caption.
HWND mainWindow() { return findWindow("Vantrel", true); }

// How many colours a rectangle of the main window's client area shows, on a
// grid of every third pixel: a plain fill has one.
std::size_t coloursIn(HWND main, RECT area)
{
    POINT origin {0, 0};
    ::ClientToScreen(main, &origin);
    HDC screen = ::GetDC(nullptr);
    std::set<COLORREF> colours;
    for (LONG y = area.top; y < area.bottom; y += 3)
        for (LONG x = area.left; x < area.right; x += 3)
            colours.insert(::GetPixel(screen, origin.x + x, origin.y + y));
    ::ReleaseDC(nullptr, screen);
    return colours.size();
}

bool printState()
{
    const HWND main = mainWindow();
    if (main == nullptr) {
        std::printf("main none\n");
        return true;
    }
    RECT client {};
    ::GetClientRect(main, &client);
    POINT centre {client.right / 2, client.bottom / 2};
    // The corner picture is a photograph: one colour there means it was not drawn.
    const RECT corner {4, 4, 106, 106};
    ::ClientToScreen(main, &centre);
    POINT origin {0, 0};
    ::ClientToScreen(main, &origin);
    POINT pointer {};
    ::GetCursorPos(&pointer);
    std::printf("main client=%ldx%ld at=%ld,%ld topmost=%d iconic=%d above=%s colours=%zu "
                "active=%d pointer=%ld,%ld",
        client.right, client.bottom, origin.x, origin.y, topmost(main) ? 1 : 0,
        ::IsIconic(main) ? 1 : 0, titleOf(rootAt(centre)).c_str(),
        ::IsIconic(main) ? 0 : coloursIn(main, corner), ::GetForegroundWindow() == main ? 1 : 0,
        pointer.x, pointer.y);

    const HWND working = findWindow("working", false);
    if (working == nullptr || !::IsWindowVisible(working)) {
        std::printf(" | working shown=0\n");
        return true;
    }
    RECT rect {};
    ::GetWindowRect(working, &rect);
    // Wine never activates it when the main window minimizes, Windows does
    // unless the window says it cannot be activated.
    const auto style = ::GetWindowLongPtrA(working, GWL_EXSTYLE);
    std::printf(" | working shown=1 rect=%ld,%ld,%ldx%ld topmost=%d active=%d noactivate=%d\n",
        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
        topmost(working) ? 1 : 0, ::GetForegroundWindow() == working ? 1 : 0,
        (style & WS_EX_NOACTIVATE) != 0 ? 1 : 0);
    return true;
}

void key(WORD virtualKey, bool down)
{
    ::keybd_event(static_cast<BYTE>(virtualKey),
        static_cast<BYTE>(::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)),
        down ? 0 : KEYEVENTF_KEYUP, 0);
}

// (x, y) of the main window's client area on the screen.
bool toScreen(int x, int y, POINT& at)
{
    const HWND main = mainWindow();
    at = {x, y};
    return main != nullptr && ::ClientToScreen(main, &at);
}

bool printPixel(int x, int y)
{
    POINT at {};
    if (!toScreen(x, y, at))
        return false;
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, at.x, at.y);
    ::ReleaseDC(nullptr, screen);
    std::printf("%02X%02X%02X\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return true;
}

// Mouse events at (x, y) of the main window's client area, each carrying its
// place: Wine may still move the pointer back to where an earlier action put
// it when the X server reports that move late.
bool mouseAt(int x, int y, std::initializer_list<DWORD> buttons, DWORD data = 0)
{
    POINT at {};
    if (!toScreen(x, y, at))
        return false;
    // Normalised to 0..65535, rounded up: the system rounds back down.
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const auto nx = static_cast<DWORD>((at.x * 65536 + width - 1) / width);
    const auto ny = static_cast<DWORD>((at.y * 65536 + height - 1) / height);
    const DWORD absolute = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::mouse_event(absolute, nx, ny, 0, 0);
    for (DWORD button : buttons) {
        ::Sleep(personsPace / 4);
        ::mouse_event(absolute | button, nx, ny, data, 0);
    }
    return true;
}

// The pointer put at (x, y) and kept there until it has stayed for a second.
// A window that reports a move of an earlier action late (the program's, when
// the machine is busy) makes Wine put the pointer back there, and the clicks
// of a run would then go to that place instead.
bool pointerTo(int x, int y)
{
    constexpr int checksHeld = 10;
    int held = 0;
    for (int check = 0; check < 100 && held < checksHeld; ++check) {
        POINT at {};
        if (!::GetCursorPos(&at))
            return false;
        if (at.x == x && at.y == y) {
            ++held;
        } else {
            held = 0;
            if (!::SetCursorPos(x, y))
                return false;
        }
        ::Sleep(100);
    }
    return held == checksHeld;
}

// A picture of its own to draw on, its pixels read back as 0xRRGGBB.
class Sheet {
public:
    Sheet(int width, int height)
        : size_(static_cast<std::size_t>(width) * height)
    {
        BITMAPINFO info {};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap_ = ::CreateDIBSection(
            dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = ::SelectObject(dc, bitmap_);
    }
    ~Sheet()
    {
        ::SelectObject(dc, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc);
    }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;
    std::vector<std::uint32_t> pixels() const
    {
        ::GdiFlush();
        std::vector<std::uint32_t> pixels(bits_, bits_ + (bits_ != nullptr ? size_ : 0));
        for (auto& pixel : pixels)
            pixel &= 0xFFFFFF;
        return pixels;
    }
    const HDC dc = ::CreateCompatibleDC(nullptr);

private:
    std::size_t size_;
    std::uint32_t* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

int lightness(std::uint32_t rgb)
{
    return static_cast<int>(
        (((rgb >> 16) & 0xFF) * 299 + ((rgb >> 8) & 0xFF) * 587 + (rgb & 0xFF) * 114) / 1000);
}

// Text in `text` lightness on `paper`: the ink laid (in whole pixels), the
// columns from the first half-inked one to the last, and the shades of grey
// on its edges.
void printInk(
    const char* name, const std::vector<std::uint32_t>& pixels, int width, int paper, int text)
{
    long laid = 0;
    std::set<int> greys;
    int left = width, right = -1;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int cover = std::clamp((lightness(pixels[i]) - paper) * 255 / (text - paper), 0, 255);
        laid += cover;
        if (cover > 38 && cover < 217)
            greys.insert(cover);
        if (cover > 127) {
            left = std::min(left, static_cast<int>(i % width));
            right = std::max(right, static_cast<int>(i % width));
        }
    }
    std::printf(
        "%s ink=%ld width=%d greys=%zu\n", name, laid / 255, right - left + 1, greys.size());
}

// The rectangle's first pixel is its paper, the pixel furthest from it in
// lightness its text.
bool compareCaption(int x, int y, int width, int height, int pixels, const std::string& text)
{
    POINT at {};
    if (!toScreen(x, y, at) || width <= 0 || height <= 0)
        return false;
    Sheet shot(width, height);
    HDC screen = ::GetDC(nullptr);
    ::BitBlt(shot.dc, 0, 0, width, height, screen, at.x, at.y, SRCCOPY);
    ::ReleaseDC(nullptr, screen);
    const auto drawn = shot.pixels();
    const std::uint32_t paper = drawn.front();
    const std::uint32_t colour
        = *std::max_element(drawn.begin(), drawn.end(), [&](std::uint32_t a, std::uint32_t b) {
              return std::abs(lightness(a) - lightness(paper))
                  < std::abs(lightness(b) - lightness(paper));
          });
    if (lightness(colour) == lightness(paper))
        return false;
    printInk("program", drawn, width, lightness(paper), lightness(colour));
    for (const bool bold : {false, true}) {
        Sheet sheet(width, height);
        const auto bgr
            = [](std::uint32_t rgb) { return RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); };
        HBRUSH fill = ::CreateSolidBrush(bgr(paper));
        const RECT all {0, 0, width, height};
        ::FillRect(sheet.dc, &all, fill);
        ::DeleteObject(fill);
        HFONT font = ::CreateFontA(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
            DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Tahoma");
        const HGDIOBJ previous = ::SelectObject(sheet.dc, font);
        ::SetTextColor(sheet.dc, bgr(colour));
        ::SetBkMode(sheet.dc, TRANSPARENT);
        ::TextOutA(sheet.dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
        ::SelectObject(sheet.dc, previous);
        ::DeleteObject(font);
        printInk(
            bold ? "bold" : "regular", sheet.pixels(), width, lightness(paper), lightness(colour));
    }
    return true;
}

void typeOver(const std::string& digits)
{
    key(VK_CONTROL, true);
    key('A', true);
    key('A', false);
    key(VK_CONTROL, false);
    for (char digit : digits) {
        key(static_cast<WORD>(digit), true);
        key(static_cast<WORD>(digit), false);
    }
}

bool printResources(const std::string& file)
{
    const HMODULE image = ::LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (image == nullptr)
        return false;
    if (const HRSRC found = ::FindResourceA(image, MAKEINTRESOURCEA(1), RT_MANIFEST)) {
        const auto* text = static_cast<const char*>(::LockResource(::LoadResource(image, found)));
        std::printf("%.*s\n", static_cast<int>(::SizeofResource(image, found)), text);
    }
    ::FreeLibrary(image);

    DWORD ignored = 0;
    std::vector<char> record(::GetFileVersionInfoSizeA(file.c_str(), &ignored));
    char* version = nullptr;
    UINT length = 0;
    if (!record.empty() && ::GetFileVersionInfoA(file.c_str(), 0, record.size(), record.data())
        && ::VerQueryValueA(record.data(), "\\StringFileInfo\\040904B0\\FileVersion",
            reinterpret_cast<void**>(&version), &length))
        std::printf("FileVersion=%s\n", version);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Lines end in \n alone, as the shell scripts reading them expect.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    // Sizes and positions in pixels, as the program sees them at any scale.
    ::SetProcessDPIAware();
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto number
        = [&](std::size_t at) { return at < args.size() ? std::atoi(args[at].c_str()) : 0; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& action = args[i];
        bool ok = true;
        if (action == "state") {
            ok = printState();
        } else if (action == "click") {
            ok = mouseAt(number(i + 1), number(i + 2), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
            i += 2;
        } else if (action == "wheel") {
            // Notches away from the user are positive, as the system counts them.
            ok = mouseAt(number(i + 1), number(i + 2), {MOUSEEVENTF_WHEEL},
                static_cast<DWORD>(number(i + 3) * WHEEL_DELTA));
            i += 3;
        } else if (action == "text" && i + 1 < args.size()) {
            typeOver(args[++i]);
        } else if (action == "backtab") {
            key(VK_SHIFT, true);
            key(VK_TAB, true);
            key(VK_TAB, false);
            key(VK_SHIFT, false);
        } else if (action == "down") {
            key(VK_DOWN, true);
            key(VK_DOWN, false);
        } else if (action == "f9") {
            key(VK_F9, true);
            ::Sleep(static_cast<DWORD>(number(++i)));
            key(VK_F9, false);
        } else if (action == "pointer") {
            ok = pointerTo(number(i + 1), number(i + 2));
            i += 2;
        } else if (action == "pixel") {
            ok = printPixel(number(i + 1), number(i + 2));
            i += 2;
        } else if (action == "colours") {
            const HWND main = mainWindow();
            ok = main != nullptr;
            if (ok)
                std::printf("%zu\n",
                    coloursIn(main,
                        {number(i + 1), number(i + 2), number(i + 1) + number(i + 3),
                            number(i + 2) + number(i + 4)}));
            i += 4;
        } else if (action == "caption" && i + 6 < args.size()) {
            ok = compareCaption(number(i + 1), number(i + 2), number(i + 3), number(i + 4),
                number(i + 5), args[i + 6]);
            i += 6;
        } else if (action == "close") {
            const HWND main = mainWindow();
            ok = main != nullptr && ::PostMessageA(main, WM_CLOSE, 0, 0) != FALSE;
        } else if (action == "minimize") {
            const HWND main = mainWindow();
            ok = main != nullptr && ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0) != FALSE;
        } else if (action == "resources" && i + 1 < args.size()) {
            ok = printResources(args[++i]);
        } else {
            std::fprintf(stderr, "winprobe: unknown action %s\n", action.c_str());
            return 2;
        }
        std::fflush(stdout);
        if (action == "click" || action == "wheel" || action == "text" || action == "f9"
            || action == "backtab" || action == "down")
            ::Sleep(personsPace);
        if (!ok) {
            std::fprintf(stderr, "winprobe: %s failed\n", action.c_str());
            return 1;
        }
    }
    return 0;
}
