// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShutdownTimer.h"

#include "common/FieldCheck.h"
#include "common/Numbers.h"
#include "platform/Platform.h"
#include "runtime/Controls.h"

#include <QWidget>

namespace shutdown {
namespace {

// 16-bit subtraction; empty where the result would not fit.
std::optional<std::int16_t> difference(int a, int b)
{
    const int result = a - b;
    if (result < INT16_MIN || result > INT16_MAX)
        return std::nullopt;
    return static_cast<std::int16_t>(result);
}

} // namespace

ShutdownTimer::ShutdownTimer(Controls controls, Window window)
    : c_(controls)
    , window_(std::move(window))
{
}

void ShutdownTimer::cmdStartShtdwnTimer_Click()
{
    if (!c_.Timer2.enabled())
        startShutdownTimer();
    else
        stopShutdownTimer();
}

void ShutdownTimer::showSentence(std::int16_t total)
{
    // A remaining time that does not fit in 16 bits leaves the caption as it was.
    if (const auto remaining = difference(total, shutdownElapsedMinutes))
        c_.Label21.setCaption(countdownSentence(c_.Combo4.text(), *remaining));
}

void ShutdownTimer::startShutdownTimer()
{
    showSentence(totalMinutes(c_.Text6.text(), c_.Text7.text()));
    c_.cmdStartShtdwnTimer.setText(QStringLiteral("Stop"));
    c_.Timer2.setEnabled(true);
    shutdownElapsedMinutes = 0;
    c_.Label21.show();
    setLocked(true);
    keepAwake(true);
}

void ShutdownTimer::stopShutdownTimer()
{
    c_.cmdStartShtdwnTimer.setText(QStringLiteral("Start"));
    c_.Timer2.setEnabled(false);
    shutdownElapsedMinutes = 0;
    c_.Label21.hide();
    setLocked(false);
    keepAwake(false);
}

void ShutdownTimer::dropCountdown()
{
    c_.Timer2.setEnabled(false);
    keepAwake(false);
}

// A machine asleep counts no minutes, so it is kept awake from the start of a
// countdown to its end, whichever way it ends.
void ShutdownTimer::keepAwake(bool on)
{
    if (on == keepingAwake_)
        return;
    keepingAwake_ = on;
    platform::current().keepAwake(on, on ? c_.Label21.caption().toStdString() : std::string());
}

std::span<const char* const, LockedInputCount> lockedInputs()
{
    static constexpr const char* names[LockedInputCount]
        = {"Combo4", "Check1", "Label24", "Text6", "Label23", "Text7", "Label22"};
    return names;
}

void ShutdownTimer::setLocked(bool locked)
{
    for (QWidget* input : c_.locked)
        input->setEnabled(!locked);
}

void ShutdownTimer::Timer2_Timer()
{
    shutdownElapsedMinutes = common::saturatingIncrement(shutdownElapsedMinutes);
    const std::int16_t total = totalMinutes(c_.Text6.text(), c_.Text7.text());
    showSentence(total);

    // Five minutes before the end. Compared exactly: a total so far below zero
    // that total - 5 leaves 16 bits can never meet the counter, and must not
    // bring the window back on every tick.
    if (c_.Check1.isChecked() && total - 5 == shutdownElapsedMinutes)
        window_.setWindowState(0);

    if (total == shutdownElapsedMinutes) {
        const QString commandLine = commandLineFor(c_.Combo4.text());
        if (!commandLine.isEmpty()) {
            // A launch that fails, even by throwing, is passed over: the page
            // goes back to idle all the same.
            try {
                platform::current().launch(commandLine.toStdString(), platform::show::Minimized);
            } catch (...) {
            }
        }
        stopShutdownTimer();
    }
}

void ShutdownTimer::Text6_Validate(bool& cancel)
{
    common::validateNumeric(c_.Text6.text(), cancel);
}

void ShutdownTimer::Text7_Validate(bool& cancel)
{
    common::validateNumeric(c_.Text7.text(), cancel);
}

} // namespace shutdown
