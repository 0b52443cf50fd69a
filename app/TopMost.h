// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the main window and the working indicator above ordinary windows.
#pragma once

#include <functional>

class QWidget;

namespace TopMost {

// Puts both windows in the topmost band without moving or resizing them,
// the main window first: the working window is only created when its turn
// comes, by the first reference to it.
void makeTopMost(QWidget& mainWindow, const std::function<QWidget&()>& workingWindow);

} // namespace TopMost
