// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A sleep lock from logind on the system bus: logind keeps the machine from
// suspending for as long as the descriptor it handed out stays open.
#pragma once

#include <string>

namespace platform::logind {

class SleepInhibitor {
public:
    SleepInhibitor() = default;
    ~SleepInhibitor() { release(); }
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    // Takes the lock, unless one is held, with `why` as the reason logind
    // shows. Without a bus or logind, or when either does not answer within
    // a second, nothing is held and nothing is said.
    void hold(const std::string& why);
    void release();

private:
    int fd_ = -1;
};

} // namespace platform::logind
