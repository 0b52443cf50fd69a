// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout table, in the runtime's layout rows.
#pragma once

#include "runtime/LayoutBuilder.h"

#include <span>

namespace app::layout {

using namespace runtime::layout;

// The window itself.
inline constexpr const char* Caption = "Vantrel";
inline constexpr int ClientWidth = 7920;
inline constexpr int ClientHeight = 6030;
inline constexpr const char* BackColor = "#FFFFFF";
inline constexpr Font WindowFont {"Tahoma", 900};
inline constexpr const char* IconResource = ":/assets/vantrel.ico";

std::span<const Control> controls();
std::span<const TimerSpec> timers();
// The table of frmMain, for the layout builder.
Table windowTable();

} // namespace app::layout
