// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Platform.h"

#include <utility>

namespace platform {
namespace {

// Does nothing: what runs before any backend is installed must not crash.
class NullPlatform final : public Platform {
public:
    void mouseEvent(
        std::uint32_t, std::int32_t, std::int32_t, std::int32_t, std::uintptr_t) override
    {
    }
    KeyState asyncKeyState(int) override { return 0; }
    bool setWindowPos(NativeWindow, std::intptr_t, std::int32_t, std::int32_t, std::int32_t,
        std::int32_t, std::uint32_t) override
    {
        return false;
    }
    void keepInBackground(NativeWindow) override { }
    void setTimingCritical(bool) override { }
    void activateWindow(NativeWindow) override { }
    void sleep(std::uint32_t) override { }
    std::intptr_t shellExecute(NativeWindow, const std::string&, const std::string&,
        const std::string&, const std::string&, int) override
    {
        return 0;
    }
    bool launch(const std::string&, int) override { return false; }
    void keepAwake(bool, const std::string&) override { }
};

std::unique_ptr<Platform>& slot()
{
    static std::unique_ptr<Platform> backend = std::make_unique<NullPlatform>();
    return backend;
}

} // namespace

Platform& current() { return *slot(); }

void install(std::unique_ptr<Platform> backend)
{
    slot() = backend ? std::move(backend) : std::make_unique<NullPlatform>();
}

} // namespace platform
