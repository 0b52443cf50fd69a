// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A plain window of another application that logs every mouse button it
// receives: winlisten LOG X Y WIDTH HEIGHT. Each line of LOG is
// "<ms since start> <L|R|M> <down|up> <screen x> <screen y>", written as it
// happens; "ready" comes first, once the window is on screen. The class asks
// for no double-click messages, so a double click arrives as two downs.
#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::FILE* logFile = nullptr;
LARGE_INTEGER start {};
LARGE_INTEGER frequency {};

void logButton(HWND window, const char* button, const char* edge, LPARAM where)
{
    LARGE_INTEGER now {};
    ::QueryPerformanceCounter(&now);
    POINT at {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    ::ClientToScreen(window, &at);
    std::fprintf(logFile, "%.3f %s %s %ld %ld\n",
        static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0
            / static_cast<double>(frequency.QuadPart),
        button, edge, at.x, at.y);
    std::fflush(logFile);
}

struct ButtonMessage {
    UINT message;
    const char* button;
    const char* edge;
};
constexpr ButtonMessage buttonMessages[] = {
    {WM_LBUTTONDOWN, "L", "down"},
    {WM_LBUTTONUP, "L", "up"},
    {WM_RBUTTONDOWN, "R", "down"},
    {WM_RBUTTONUP, "R", "up"},
    {WM_MBUTTONDOWN, "M", "down"},
    {WM_MBUTTONUP, "M", "up"},
};

LRESULT CALLBACK listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const auto& known : buttonMessages) {
        if (known.message == message) {
            logButton(window, known.button, known.edge, lParam);
            return 0;
        }
    }
    if (message == WM_DESTROY)
        ::PostQuitMessage(0);
    return ::DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 6)
        return 2;
    logFile = std::fopen(__argv[1], "wb");
    if (logFile == nullptr)
        return 1;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);

    WNDCLASSA windowClass {};
    windowClass.lpfnWndProc = listen;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "VantrelTestListener";
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "Listener",
        WS_POPUP | WS_BORDER, std::atoi(__argv[2]), std::atoi(__argv[3]), std::atoi(__argv[4]),
        std::atoi(__argv[5]), nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ::ShowWindow(window, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window);
    std::fprintf(logFile, "ready\n");
    std::fflush(logFile);

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
