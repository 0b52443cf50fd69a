// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hotkey.h"

#include "app/Controls.h"
#include "platform/Platform.h"

#include <cstdint>

namespace Hotkey {

KeyRead readHotKey()
{
    using platform::KEY_DOWN, platform::KEY_PRESSED_SINCE_LAST_QUERY;
    const std::uint16_t state = platform::current().asyncKeyState(platform::VK_F9);
    if ((state & ~(KEY_DOWN | KEY_PRESSED_SINCE_LAST_QUERY)) != 0)
        return {};
    return {(state & KEY_DOWN) != 0, (state & KEY_PRESSED_SINCE_LAST_QUERY) != 0};
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
