// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Module1.h"

#include "platform/Platform.h"
#include "runtime/Controls.h"

namespace Module1 {
namespace {

constexpr unsigned DoubleClickPauseMs = 100;

void click(std::uint32_t press, std::uint32_t release, const runtime::ComboBox& action)
{
    auto& system = platform::current();
    system.mouseEvent(press, 0, 0, 0, 0);
    system.mouseEvent(release, 0, 0, 0, 0);
    if (action.text() == QLatin1String("Double click")) {
        system.sleep(DoubleClickPauseMs);
        system.mouseEvent(press, 0, 0, 0, 0);
        system.mouseEvent(release, 0, 0, 0, 0);
    }
}

} // namespace

void clickLeft(const runtime::ComboBox& action)
{
    click(platform::mouse::LeftDown, platform::mouse::LeftUp, action);
}

void clickRight(const runtime::ComboBox& action)
{
    click(platform::mouse::RightDown, platform::mouse::RightUp, action);
}

void clickMiddle(const runtime::ComboBox& action)
{
    click(platform::mouse::MiddleDown, platform::mouse::MiddleUp, action);
}

} // namespace Module1
