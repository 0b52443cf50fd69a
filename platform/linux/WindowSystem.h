// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up decided about the window system, for the Linux backend.
#pragma once

namespace platform::linux_session {

// True when the toolkit's windows are X11 windows, whose ids Xlib may be
// given; false on Wayland, where only the compositor places windows.
bool windowsAreX11();

// The X connection start-up checked the display with (a Display*), handed
// over once to the backend, which keeps it; null when there is none.
void* takeProbeConnection();

} // namespace platform::linux_session
