// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// F9 starts and stops a run from any application. The key is polled, never
// registered, and each press toggles the run once, however long it is held.
#pragma once

namespace runtime {
class CommandButton;
}

namespace Hotkey {

// F9 as one query of its global state finds it.
struct KeyRead {
    bool down = false; // down at the moment of the query
    bool pressed = false; // went down since the previous query, maybe up again
};

// Queries F9. Only "down", "pressed since the last query" and the two together
// are read; a state with any other bit set reads as up.
KeyRead readHotKey();

} // namespace Hotkey

namespace clicker {

class HotkeyPoll {
public:
    explicit HotkeyPoll(runtime::CommandButton& cmdStart)
        : cmdStart_(cmdStart)
    {
    }
    void tmrHotkey_Timer();

private:
    runtime::CommandButton& cmdStart_;
    bool wasDown_ = false; // F9 at the previous poll
};

} // namespace clicker
