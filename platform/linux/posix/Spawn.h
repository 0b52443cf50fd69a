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
// Empty entries of PATH are skipped, never read as the current folder.
std::string findInPath(const std::string& program);

// Starts a program with arguments, without a shell, in a session of its own,
// and does not wait for it. False when it could not be started.
bool spawnDetached(const std::vector<std::string>& argv);

void sleepMs(std::uint32_t milliseconds);

} // namespace platform::posix
