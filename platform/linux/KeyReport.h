// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What one GetAsyncKeyState-style query of a followed key reports, from the
// presses and releases seen since the previous query. A poller that found the
// key down last time and finds it down and pressed again now cannot tell a
// new press from a key held throughout (on Windows the pressed bit can come
// from auto-repeat), so it must see the key come up first: when the key came
// up and went down again since a query that found it down, that query reports
// it up and keeps the new press for the next.
#pragma once

#include "platform/Platform.h"

namespace platform::linux_keys {

class KeyReport {
public:
    // A press of a key that was up; auto-repeat is none.
    void pressed() { pressed_ = true; }
    // The key came all the way up.
    void released() { released_ = true; }

    // The query's bits, `down` being whether the key is down now.
    KeyState query(bool down)
    {
        if (reportedDown_ && released_ && pressed_) {
            reportedDown_ = false;
            released_ = false;
            return 0;
        }
        const auto state = static_cast<KeyState>(
            (down ? key::Down : 0) | (pressed_ ? key::PressedSinceLastQuery : 0));
        reportedDown_ = down;
        pressed_ = released_ = false;
        return state;
    }

private:
    bool reportedDown_ = false; // what the previous query said
    bool pressed_ = false;
    bool released_ = false;
};

} // namespace platform::linux_keys
