// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keys users of tabbed windows switch pages with: Ctrl+Tab and Ctrl+PgDn
// choose the next tab down the column, Ctrl+Shift+Tab and Ctrl+PgUp the one
// above, wrapping round. A key clicks that tab's label, so it does exactly
// what a click on the tab does and is refused whenever a click would be.
#pragma once

#include <array>

class QWidget;

namespace runtime {
class Label;
}

namespace ui {

class PageSlider;

// `tabs` are the labels "Mouse", "System" and "About", top to bottom.
void addPageKeys(QWidget& window, std::array<runtime::Label*, 3> tabs, const PageSlider& pages);

} // namespace ui
