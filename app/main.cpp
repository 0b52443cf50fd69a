// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the program creates the main window, whose load handler is the
// whole start-up; the message loop then drives everything.
#include "frmMain.h"
#include "platform/Platform.h"
#include "runtime/Fonts.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

#ifndef Q_OS_WIN
// What Qt says while it opens the window system, held back: when it cannot,
// Qt ends the program with abort() after several lines of advice.
QList<QByteArray> toolkitNotes;

void holdStartupMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "vantrel: the window system could not be opened (%s)\n",
            toolkitNotes.isEmpty() ? "no reason given" : toolkitNotes.front().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    toolkitNotes.append(message.toLocal8Bit());
}
#endif

} // namespace

int main(int argc, char* argv[])
{
    // Qt aborts when it finds no window system; leave with a reason first.
    if (!platform::chooseWindowSystem())
        return 1;
    if (!platform::claimOnlyInstance())
        return 0;
#ifndef Q_OS_WIN
    // Windows always has its platform plugin, linked in; there the message
    // handler stays Qt's own.
    const QtMessageHandler standard = qInstallMessageHandler(holdStartupMessage);
#endif
    QApplication application(argc, argv);
#ifndef Q_OS_WIN
    qInstallMessageHandler(standard);
    for (const QByteArray& note : std::as_const(toolkitNotes))
        std::fprintf(stderr, "%s\n", note.constData());
    toolkitNotes.clear();
#endif
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // Ties the window to its menu entry (X11 window property, Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.vantrel"));
    platform::install(platform::makeNative());
    runtime::loadFonts();

    app::frmMain window;
    window.show();
    platform::announceMainWindow(static_cast<platform::NativeWindow>(window.winId()));
    return QApplication::exec();
}
