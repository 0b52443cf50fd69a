// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program creates the main window, whose load handler is the
// whole start-up; the message loop then drives everything.
#include "frmMain.h"
#include "platform/Platform.h"
#include "runtime/Fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // Qt aborts when it finds no window system; leave with a reason first.
    if (!platform::chooseWindowSystem())
        return 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Ties the window to its menu entry (X11 window property, Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.vantrel"));
    platform::install(platform::makeNative());
    runtime::loadFonts();

    app::frmMain window;
    window.show();
    return QApplication::exec();
}
