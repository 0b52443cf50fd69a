// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the real program, it stands for an X server without
// XInput 2: the version query is refused as such a server refuses it.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

extern "C" Status XIQueryVersion(Display*, int*, int*) { return BadRequest; }
