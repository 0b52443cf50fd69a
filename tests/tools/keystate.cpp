// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Queries the evdev key backend on demand, for the guest tests: it prints
// "ready", then answers each line of standard input with F9's state as four
// hex digits (8001 = down and pressed since the previous query).
#include "platform/Platform.h"
#include "platform/linux/evdev/EvdevKeys.h"

#include <cstdio>
#include <iostream>
#include <string>

int main()
{
    const auto keys = platform::evdev::EvdevKeys::open();
    if (!keys) {
        std::fprintf(stderr, "keystate: no input device can be read\n");
        return 2;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
        std::printf("%04x\n", keys->asyncKeyState(platform::key::F9));
        std::fflush(stdout);
    }
}
