// F9 starts and stops a run from any application. The key is polled, never
// registered, and every poll that finds it down toggles the run.
#pragma once

namespace app {
class CommandButton;
}

namespace Hotkey {

// True when F9 reads exactly "down" or "down and pressed since the last query".
bool isHotKeyPressed();

} // namespace Hotkey

namespace clicker {

class HotkeyPoll {
public:
    explicit HotkeyPoll(app::CommandButton& cmdStart)
        : cmdStart_(cmdStart)
    {
    }
    void tmrHotkey_Timer();

private:
    app::CommandButton& cmdStart_;
};

} // namespace clicker
