// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 backend on its own: XTest clicks, the X key state, the topmost band
// through the window manager, and the POSIX launcher. The Linux backend
// builds on it.
#pragma once

#include "platform/Platform.h"

#include <memory>

namespace platform {

std::unique_ptr<Platform> makeX11Platform();

} // namespace platform
