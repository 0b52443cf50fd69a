// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The click routines: a press and a release at the pointer, wherever it is,
// and a second pair 100 ms later when the action list says "Double click".
#pragma once

namespace runtime {
class ComboBox;
}

namespace Module1 {

// `action` is the main window's action list (Combo2), read at each click.
void clickLeft(const runtime::ComboBox& action);
void clickRight(const runtime::ComboBox& action);
void clickMiddle(const runtime::ComboBox& action);

} // namespace Module1
