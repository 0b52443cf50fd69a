// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TopMost.h"

#include "platform/Platform.h"

#include <QWidget>

namespace TopMost {
namespace {

void placeOnTop(QWidget& window)
{
    // Qt keeps its own record of the flag so that it never undoes the band
    // when it maps the window; the platform call puts the native window there.
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    platform::current().setWindowPos(static_cast<platform::NativeWindow>(window.winId()),
        platform::placement::Topmost, 0, 0, 0, 0,
        platform::placement::NoMove | platform::placement::NoSize);
}

} // namespace

void makeTopMost(QWidget& mainWindow, const std::function<QWidget&()>& workingWindow)
{
    placeOnTop(mainWindow);
    placeOnTop(workingWindow());
}

} // namespace TopMost
