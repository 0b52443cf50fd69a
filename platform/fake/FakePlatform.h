// Recording backend for tests: every call is logged in order as one readable
// line, key states come from a script, and any call can be made to fail.
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
    std::uint16_t asyncKeyState(int virtualKey) override;
    bool setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
        std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags) override;
    void sleep(std::uint32_t milliseconds) override;
    std::intptr_t shellExecute(NativeWindow owner, const std::string& operation,
        const std::string& file, const std::string& parameters, const std::string& directory,
        int showCommand) override;
    bool launch(const std::string& commandLine, int showState) override;

    // The states the next queries of a key return, in order; once they are
    // used up the key reads 0 (up).
    void scriptKey(int virtualKey, std::initializer_list<std::uint16_t> states);
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
    bool failing(Call call) const { return failing_.count(call) != 0; }
    void throwIfAsked(Call call, const char* name) const;

    std::vector<std::string> log_;
    std::map<int, std::deque<std::uint16_t>> keys_;
    std::set<Call> failing_;
    std::set<Call> throwing_;
};

} // namespace platform
