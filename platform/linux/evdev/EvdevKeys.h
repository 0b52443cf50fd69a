// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The global key state read straight from the keyboards in /dev/input, so
// F9 is seen whichever application has the focus, on X11, on Wayland and on
// the console alike. Keyboards plugged in later are picked up.
#pragma once

#include "platform/Platform.h"
#include "platform/linux/KeyReport.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::evdev {

class EvdevKeys {
public:
    // The reader, or null when no keyboard in /dev/input can be opened (the
    // user is not in the `input` group, or there is none). A device the user
    // may open for other reasons, such as a game pad, does not count.
    static std::unique_ptr<EvdevKeys> open();
    ~EvdevKeys();
    EvdevKeys(const EvdevKeys&) = delete;
    EvdevKeys& operator=(const EvdevKeys&) = delete;

    // As GetAsyncKeyState: key::Down while any keyboard holds the key, and
    // key::PressedSinceLastQuery when it went down (not auto-repeated)
    // since the previous query of that key. 0 for keys it does not know.
    KeyState asyncKeyState(int virtualKey);

private:
    struct Keyboard {
        int fd;
        std::string path;
    };

    explicit EvdevKeys(int watch);
    // Opens the keyboards not yet open; true when any keyboard is open.
    bool scan();
    void readEvents(const Keyboard& keyboard);

    int watch_; // inotify on /dev/input: devices come and go
    bool rescan_ = false;
    std::vector<Keyboard> keyboards_;
    std::array<linux_keys::KeyReport, 24> reports_; // F1 .. F24
};

} // namespace platform::evdev
