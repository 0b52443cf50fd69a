#include "Hotkey.h"

#include "app/Controls.h"
#include "platform/Platform.h"

#include <cstdint>

namespace Hotkey {

bool isHotKeyPressed()
{
    const std::uint16_t state = platform::current().asyncKeyState(platform::VK_F9);
    return state == platform::KEY_DOWN
        || state == (platform::KEY_DOWN | platform::KEY_PRESSED_SINCE_LAST_QUERY);
}

} // namespace Hotkey

namespace clicker {

void HotkeyPoll::tmrHotkey_Timer()
{
    if (!Hotkey::isHotKeyPressed())
        return;
    cmdStart_.press();
    // The only damping: a key held longer toggles again at a later poll.
    platform::current().sleep(100);
}

} // namespace clicker
