// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Process helpers shared by the POSIX backends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform::posix {

// The program and arguments that carry out one of the system's shutdown
// command lines here; empty for any other command line.
std::vector<std::string> systemActionFor(const std::string& commandLine);

// The executable that PATH names for a program, or "" when there is none.
// Only absolute entries of PATH are searched: an empty or relative entry
// names a folder that depends on where the program was started.
std::string findInPath(const std::string& program);

// Starts a program with arguments, without a shell, in a session of its own,
// and does not wait for it. False when it could not be started.
bool spawnDetached(const std::vector<std::string>& argv);

// Sets an environment variable for this process only: programs it starts
// get the value the user had (or none) back.
void setForThisProcess(const char* name, const char* value);

void sleepMs(std::uint32_t milliseconds);

} // namespace platform::posix
