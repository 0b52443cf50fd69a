// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for a system tool: appends the command line it was started with
// to a file beside itself (its own path with ".log" for ".exe") and does
// nothing else. The tests copy it over the tool it replaces.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char self[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length < 4 || length >= MAX_PATH)
        return 1;
    const std::string log = std::string(self, length - 4) + ".log";
    std::FILE* file = std::fopen(log.c_str(), "ab");
    if (file == nullptr)
        return 1;
    std::fprintf(file, "%s\n", ::GetCommandLineA());
    return std::fclose(file) == 0 ? 0 : 1;
}
