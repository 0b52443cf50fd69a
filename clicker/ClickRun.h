// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A click run: the Start/Stop button, the procedures that enter and leave a
// run, and the click cycle that runs on every tick of tmrMain.
#pragma once

#include "ClickInterval.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace runtime {
class CommandButton;
class ComboBox;
class OptionButton;
class TextBox;
class Timer;
} // namespace runtime

namespace clicker {

// The settings a run locks, by name, in the order start and stop treat them.
inline constexpr std::size_t LockedSettingCount = 18;
std::span<const char* const, LockedSettingCount> lockedSettings();

class ClickRun {
public:
    struct Controls {
        runtime::CommandButton& cmdStart;
        runtime::Timer& tmrMain;
        runtime::TextBox& Text1;
        runtime::TextBox& Text2;
        runtime::TextBox& Text3;
        runtime::TextBox& Text4;
        runtime::TextBox& Text5;
        runtime::ComboBox& Combo1;
        runtime::ComboBox& Combo2;
        runtime::OptionButton& Option2;
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
