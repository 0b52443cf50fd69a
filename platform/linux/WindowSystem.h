// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up decided about the window system, for the Linux backend.
#pragma once

#include <string>

namespace platform::linux_session {

// True when the toolkit's windows are X11 windows, whose ids Xlib may be
// given; false on Wayland, where only the compositor places windows.
bool windowsAreX11();

// True when the desktop is a Wayland one, whether or not the toolkit went
// to its X display: there the X key state sees only keys typed into X11
// windows.
bool desktopIsWayland();

// The session bus's address as the D-Bus library would find it, never one
// it would start; empty when there is none. Once start-up has found the bus
// silent, an address that fails at once.
std::string sessionBusAddress();

// The X connection start-up checked the display with (a Display*), handed
// over once to the backend, which keeps it; null when there is none.
void* takeProbeConnection();

} // namespace platform::linux_session
