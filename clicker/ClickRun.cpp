// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickRun.h"

#include "Module1.h"
#include "common/Numbers.h"
#include "platform/Platform.h"
#include "runtime/Controls.h"

#include <cmath>
#include <exception>

namespace clicker {
namespace {

std::optional<double> valueOf(const runtime::TextBox& field)
{
    return common::valueOfText(field.text().toStdString());
}

// A limit test whose number cannot be read or computed counts as met.
bool limitMet(std::optional<double> limit, std::int16_t counter)
{
    return !limit || !std::isfinite(*limit) || *limit == counter;
}

// Minutes to ticks, grouped as written: minutes x 10 x 60.
std::optional<double> ticksOfMinutes(std::optional<double> minutes)
{
    if (!minutes)
        return std::nullopt;
    return *minutes * 10 * 60;
}

} // namespace

ClickRun::ClickRun(Controls controls, Window window)
    : c_(controls)
    , window_(std::move(window))
{
}

void ClickRun::cmdStart_Click()
{
    if (isClicking != common::FlagFalse)
        stopClicking();
    else
        startClicking();
}

void ClickRun::startClicking()
{
    isClicking = common::FlagTrue;
    window_.showWorking();
    // An interval that does not fit leaves the previous one in place.
    if (const auto interval = clickInterval(c_.Text1.text(), c_.Text2.text(), c_.Text3.text()))
        clickIntervalTenths = *interval;
    c_.tmrMain.setEnabled(true);
    platform::current().setTimingCritical(true);
    elapsedTicks = 0;
    clickCount = 0;
    ticksSinceClick = 0;
    c_.cmdStart.setText(QStringLiteral("Stop"));
    window_.setWindowState(1);
    setLocked(true);
}

void ClickRun::stopClicking()
{
    isClicking = common::FlagFalse;
    window_.hideWorking();
    c_.tmrMain.setEnabled(false);
    platform::current().setTimingCritical(false);
    elapsedTicks = 0;
    clickCount = 0;
    c_.cmdStart.setText(QStringLiteral("Start"));
    window_.setWindowState(0);
    setLocked(false);
}

std::span<const char* const, LockedSettingCount> lockedSettings()
{
    static constexpr const char* names[LockedSettingCount] = {"Combo3", "Text1", "Text2", "Text3",
        "Option1", "Option2", "Text4", "Text5", "Combo1", "Combo2", "Label5", "Label4", "Label19",
        "Label20", "Label10", "Label7", "Label14", "Label11"};
    return names;
}

void ClickRun::setLocked(bool locked)
{
    for (QWidget* setting : c_.locked)
        setting->setEnabled(!locked);
}

void ClickRun::tmrMain_Timer()
{
    elapsedTicks = common::saturatingIncrement(elapsedTicks);
    ticksSinceClick = common::saturatingIncrement(ticksSinceClick);
    if (ticksSinceClick == clickIntervalTenths) {
        ticksSinceClick = 0;
        clickCount = common::saturatingIncrement(clickCount);
        clickChosenButton();
    }
    if (c_.Option2.isChecked()) {
        // Both limits are tested for equality on every tick; the second test
        // runs even after the first has stopped the run.
        if (limitMet(valueOf(c_.Text5), clickCount))
            stopClicking();
        if (limitMet(ticksOfMinutes(valueOf(c_.Text4)), elapsedTicks))
            stopClicking();
    }
}

void ClickRun::clickChosenButton()
{
    const QString button = c_.Combo1.text();
    try {
        if (button == QLatin1String("Left"))
            Module1::clickLeft(c_.Combo2);
        else if (button == QLatin1String("Right"))
            Module1::clickRight(c_.Combo2);
        else if (button == QLatin1String("Middle"))
            Module1::clickMiddle(c_.Combo2);
    } catch (const std::exception&) {
        // A click that fails part-way is abandoned; the limits are still tested.
    }
}

} // namespace clicker
