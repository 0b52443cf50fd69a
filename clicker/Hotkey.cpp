// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hotkey.h"

#include "platform/Platform.h"
#include "runtime/Controls.h"

#include <cstdint>

namespace Hotkey {

KeyRead readHotKey()
{
    namespace key = platform::key;
    const platform::KeyState state = platform::current().asyncKeyState(key::F9);
    if ((state & ~(key::Down | key::PressedSinceLastQuery)) != 0)
        return {};
    return {(state & key::Down) != 0, (state & key::PressedSinceLastQuery) != 0};
}

} // namespace Hotkey

namespace clicker {

void HotkeyPoll::tmrHotkey_Timer()
{
    const Hotkey::KeyRead key = Hotkey::readHotKey();
    // A press is F9 going down after a poll that found it up, whether it is
    // still down or was already released again. A held key, auto-repeat
    // included, stays down and toggles nothing more.
    const bool press = !wasDown_ && (key.down || key.pressed);
    wasDown_ = key.down;
    if (!press)
        return;
    cmdStart_.press();
    platform::current().sleep(100);
}

} // namespace clicker
