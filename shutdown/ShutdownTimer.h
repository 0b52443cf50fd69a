// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shutdown page: a countdown in whole minutes, its sentence, the reminder
// five minutes before the end, and the system command at the end.
#pragma once

#include "Countdown.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace runtime {
class CheckBox;
class ComboBox;
class CommandButton;
class Label;
class TextBox;
class Timer;
} // namespace runtime

namespace shutdown {

// The inputs a countdown locks, by name, in the order start and stop treat them.
inline constexpr std::size_t LockedInputCount = 7;
std::span<const char* const, LockedInputCount> lockedInputs();

class ShutdownTimer {
public:
    struct Controls {
        runtime::CommandButton& cmdStartShtdwnTimer;
        runtime::Timer& Timer2;
        runtime::TextBox& Text6;
        runtime::TextBox& Text7;
        runtime::ComboBox& Combo4;
        runtime::CheckBox& Check1;
        runtime::Label& Label21;
        // The controls of lockedInputs(), in its order.
        std::array<QWidget*, LockedInputCount> locked;
    };
    struct Window {
        std::function<void(int)> setWindowState; // 0 normal, 1 minimized
    };

    ShutdownTimer(Controls controls, Window window);

    void cmdStartShtdwnTimer_Click();
    void Timer2_Timer();
    void Text6_Validate(bool& cancel);
    void Text7_Validate(bool& cancel);
    // The program is closing: a countdown in progress ends without its action.
    void dropCountdown();

    // Whole minutes since the countdown started; 0 while none runs.
    std::int16_t shutdownElapsedMinutes = 0;

private:
    void startShutdownTimer();
    void stopShutdownTimer();
    void showSentence(std::int16_t total);
    void setLocked(bool locked);
    void keepAwake(bool on);

    Controls c_;
    Window window_;
    bool keepingAwake_ = false;
};

} // namespace shutdown
