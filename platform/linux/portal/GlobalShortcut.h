// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// F9 through the desktop's GlobalShortcuts portal: on a Wayland desktop no
// application sees keys typed into another, but the desktop tells one when
// a shortcut the user agreed to goes down and up. The desktop asks the user
// once and keeps the answer; nothing is written here.
#pragma once

#include "platform/Platform.h"
#include "platform/linux/KeyReport.h"

#include <dbus/dbus.h>

#include <memory>
#include <string>

namespace platform::portal {

class GlobalShortcut {
public:
    // A portal session with the shortcut asked for, or null with the reason
    // in `whyNot` when there is no session bus or no portal, or either does
    // not answer in time. The user's answer comes later.
    static std::unique_ptr<GlobalShortcut> open(std::string& whyNot);
    ~GlobalShortcut();
    GlobalShortcut(const GlobalShortcut&) = delete;
    GlobalShortcut& operator=(const GlobalShortcut&) = delete;

    // As GetAsyncKeyState, for F9 once the desktop has bound it; 0 before.
    KeyState asyncKeyState(int virtualKey);

    bool bound() const { return step_ == Step::Bound && lost_.empty(); }

    // Empty while the shortcut is bound or still being asked for; else why
    // it cannot be (the user refused it, the portal went away).
    const std::string& lost() const { return lost_; }

private:
    enum class Step { CreatingSession, Listing, Binding, Bound };

    explicit GlobalShortcut(DBusConnection* bus);
    static DBusHandlerResult filter(DBusConnection*, DBusMessage* message, void* self);
    void receive(DBusMessage* message);
    std::string requestPath(const std::string& token) const;
    bool bind(std::string& whyNot);
    void pump();

    DBusConnection* bus_;
    Step step_ = Step::CreatingSession;
    std::string portal_; // the portal's unique name on the bus
    std::string session_;
    std::string sessionRequest_;
    std::string listRequest_;
    std::string bindRequest_;
    std::string lost_;
    bool down_ = false;
    linux_keys::KeyReport report_;
};

} // namespace platform::portal
