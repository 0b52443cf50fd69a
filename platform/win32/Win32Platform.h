// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the Win32 backend that its tests reach directly: the program
// launch is tried there with harmless programs, never with the system's tool.
#pragma once

#include <string>

namespace platform::win32 {

// The full path of the system's shutdown tool, in the system folder, for
// exactly one of the three command lines the program launches ("shutdown -s
// -t 00", "shutdown -r -t 00", "shutdown -l"); "" for any other command line.
std::string systemToolFor(const std::string& commandLine);

// Starts `application` with `commandLine` (its first word included) and the
// show state, without waiting for it and without keeping its handles.
// False when it cannot be started.
bool startDetached(const std::string& application, const std::string& commandLine, int showState);

} // namespace platform::win32
