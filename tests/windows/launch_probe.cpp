// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Started by the launch tests in place of a real program: waits until the
// test lets it go (so the test can see that the launch did not wait for it),
// then writes the command line and show state it was started with.
// Usage: win32_launch_probe OUTPUT_FILE EVENT_NAME
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 3)
        return 2;
    const std::string output = __argv[1];
    const HANDLE go = ::OpenEventA(SYNCHRONIZE, FALSE, __argv[2]);
    if (go != nullptr) {
        // Bounded, so a test that fails before letting it go leaves nothing behind.
        ::WaitForSingleObject(go, 20000);
        ::CloseHandle(go);
    }

    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);

    // Written aside and renamed, so the reader never sees half a file.
    const std::string partial = output + ".partial";
    std::FILE* file = std::fopen(partial.c_str(), "wb");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "waited=%s\nflags=%lu\nshow=%u\ncommand=%s\n", go != nullptr ? "yes" : "no",
        static_cast<unsigned long>(startup.dwFlags), static_cast<unsigned>(startup.wShowWindow),
        ::GetCommandLineA());
    std::fclose(file);
    return ::MoveFileExA(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
