// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutLink.h"

#include "OpenURL.h"

namespace ui {

void AboutLink::Label25_Click()
{
    // Minimized first, so the browser comes up in front of nothing of ours.
    // Whatever fails ends the click quietly.
    try {
        setWindowState_(1);
        OpenURL::openWebPage();
    } catch (...) {
    }
}

} // namespace ui
