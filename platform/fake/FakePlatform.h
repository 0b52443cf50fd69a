// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recording backend for tests: every call is logged in order as one readable
// line, key states come from a script or from key presses on a clock of its
// own, and any call can be made to fail.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

// Thrown by a call that a test made fail and that has no result to report it.
struct CallFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class FakePlatform final : public Platform {
public:
    enum class Call { MouseEvent, AsyncKeyState, SetWindowPos, Sleep, ShellExecute, Launch };

    void mouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::int32_t data,
        std::uintptr_t extraInfo) override;
    KeyState asyncKeyState(int virtualKey) override;
    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
    void keepInBackground(NativeWindow window) override;
    void setTimingCritical(bool on) override;
    void activateWindow(NativeWindow window) override;
    void sleep(std::uint32_t milliseconds) override;
    std::intptr_t shellExecute(NativeWindow owner, const std::string& operation,
        const std::string& file, const std::string& parameters, const std::string& directory,
        int showCommand) override;
    bool launch(const std::string& commandLine, int showState) override;
    void keepAwake(bool on, const std::string& why) override;

    // The states the next queries of a key return, in order; once they are
    // used up the key is read from its presses (up when it has none).
    void scriptKey(int virtualKey, std::initializer_list<std::uint16_t> states);
    // A press of a key on the fake clock: down at `atMs`, up `holdMs` later
    // (0 for a tap that is over at once). Held past the repeat delay, the key
    // repeats its press as a keyboard does, and each repeat is a press to
    // the next query.
    void pressKey(int virtualKey, std::int64_t atMs, std::int64_t holdMs);
    static constexpr std::int64_t RepeatDelayMs = 500;
    static constexpr std::int64_t RepeatEveryMs = 33;

    // The fake clock in milliseconds: it starts at 0, and only sleep() and
    // advance() move it.
    std::int64_t now() const { return now_; }
    void advance(std::int64_t milliseconds) { now_ += milliseconds; }
    void setFailing(Call call, bool failing = true);
    // The call throws CallFailed after it is logged, as a call can fail in
    // ways other than the result it reports.
    void setThrowing(Call call, bool throwing = true);

    const std::vector<std::string>& log() const { return log_; }
    // The log lines joined by "\n", optionally without the key queries.
    std::string text(bool withKeyQueries = false) const;
    void clear() { log_.clear(); }
    int count(const std::string& prefix) const;

private:
    struct Press {
        std::int64_t at;
        std::int64_t hold;
    };
    bool failing(Call call) const { return failing_.count(call) != 0; }
    void throwIfAsked(Call call, const char* name) const;
    std::uint16_t stateFromPresses(int virtualKey);

    std::vector<std::string> log_;
    std::map<int, std::deque<std::uint16_t>> keys_;
    std::map<int, std::vector<Press>> presses_;
    std::map<int, std::int64_t> lastQuery_;
    std::int64_t now_ = 0;
    std::set<Call> failing_;
    std::set<Call> throwing_;
};

} // namespace platform
