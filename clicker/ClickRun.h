// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A click run: the Start/Stop button, the procedures that enter and leave a
// run, and the click cycle that runs on every tick of tmrMain.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace app {
class CommandButton;
class ComboBox;
class OptionButton;
class TextBox;
class Timer;
} // namespace app

namespace clicker {

// The interval in tenths of a second that three field texts give; empty when
// it does not fit in 16 bits or a text's number is beyond a double.
std::optional<std::int16_t> clickInterval(
    const QString& minutes, const QString& seconds, const QString& tenths);

// The settings a run locks, by name, in the order start and stop treat them.
inline constexpr std::size_t LockedSettingCount = 18;
std::span<const char* const, LockedSettingCount> lockedSettings();

class ClickRun {
public:
    struct Controls {
        app::CommandButton& cmdStart;
        app::Timer& tmrMain;
        app::TextBox& Text1;
        app::TextBox& Text2;
        app::TextBox& Text3;
        app::TextBox& Text4;
        app::TextBox& Text5;
        app::ComboBox& Combo1;
        app::ComboBox& Combo2;
        app::OptionButton& Option2;
        // The controls of lockedSettings(), in its order.
        std::array<QWidget*, LockedSettingCount> locked;
    };
    struct Window {
        std::function<void(int)> setWindowState; // 0 normal, 1 minimized
        std::function<void()> showWorking;
        std::function<void()> hideWorking;
    };

    ClickRun(Controls controls, Window window);

    void cmdStart_Click();
    void tmrMain_Timer();

    // The run state; flags hold -1 for true and 0 for false.
    std::int16_t isClicking = 0;
    std::int16_t clickIntervalTenths = 0;
    std::int16_t elapsedTicks = 0;
    std::int16_t ticksSinceClick = 0;
    std::int16_t clickCount = 0;

private:
    void startClicking();
    void stopClicking();
    void clickChosenButton();
    void setLocked(bool locked);

    Controls c_;
    Window window_;
};

} // namespace clicker
