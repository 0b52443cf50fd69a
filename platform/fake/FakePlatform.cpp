// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include <cstdio>

namespace platform {
namespace {

std::string hex(unsigned long long value, int digits)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%0*llX", digits, value);
    return buffer;
}

// Each window by its own handle, so that a log tells the windows apart.
std::string handle(NativeWindow window) { return window != 0 ? hex(window, 0) : "null"; }

} // namespace

void FakePlatform::mouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy,
    std::int32_t data, std::uintptr_t extraInfo)
{
    log_.push_back("mouse_event " + hex(flags, 4) + " " + std::to_string(dx) + " "
        + std::to_string(dy) + " " + std::to_string(data) + " " + std::to_string(extraInfo)
        + (failing(Call::MouseEvent) ? " failed" : ""));
    if (failing(Call::MouseEvent))
        throw CallFailed("mouse_event");
}

KeyState FakePlatform::asyncKeyState(int virtualKey)
{
    std::uint16_t state = 0;
    auto& queue = keys_[virtualKey];
    if (!queue.empty()) {
        state = queue.front();
        queue.pop_front();
    } else {
        state = stateFromPresses(virtualKey);
    }
    log_.push_back(
        "GetAsyncKeyState " + hex(static_cast<unsigned>(virtualKey), 2) + " = " + hex(state, 4));
    if (failing(Call::AsyncKeyState))
        throw CallFailed("GetAsyncKeyState");
    return state;
}

bool FakePlatform::setWindowPos(NativeWindow window, std::intptr_t insertAfter, std::int32_t x,
    std::int32_t y, std::int32_t cx, std::int32_t cy, std::uint32_t flags)
{
    log_.push_back("SetWindowPos " + handle(window) + " " + std::to_string(insertAfter) + " "
        + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(cx) + " "
        + std::to_string(cy) + " " + std::to_string(flags));
    throwIfAsked(Call::SetWindowPos, "SetWindowPos");
    return !failing(Call::SetWindowPos);
}

void FakePlatform::keepInBackground(NativeWindow window)
{
    log_.push_back("KeepInBackground " + handle(window));
}

void FakePlatform::setTimingCritical(bool on)
{
    log_.push_back(std::string("TimingCritical ") + (on ? "1" : "0"));
}

void FakePlatform::activateWindow(NativeWindow window)
{
    log_.push_back("ActivateWindow " + handle(window));
}

std::uint16_t FakePlatform::stateFromPresses(int virtualKey)
{
    const auto last = lastQuery_.try_emplace(virtualKey, -1).first;
    bool down = false, pressed = false;
    for (const Press& p : presses_[virtualKey]) {
        const std::int64_t up = p.at + p.hold;
        down = down || (p.at <= now_ && now_ < up);
        // The first press or repeat after the previous query, if any.
        std::int64_t next = p.at;
        if (next <= last->second) {
            const std::int64_t repeats = last->second - p.at - RepeatDelayMs;
            next = p.at + RepeatDelayMs
                + (repeats < 0 ? 0 : (repeats / RepeatEveryMs + 1) * RepeatEveryMs);
        }
        pressed = pressed || (next <= now_ && (next == p.at || next < up));
    }
    last->second = now_;
    return static_cast<std::uint16_t>(
        (down ? key::Down : 0) | (pressed ? key::PressedSinceLastQuery : 0));
}

void FakePlatform::pressKey(int virtualKey, std::int64_t atMs, std::int64_t holdMs)
{
    presses_[virtualKey].push_back({atMs, holdMs});
}

void FakePlatform::sleep(std::uint32_t milliseconds)
{
    log_.push_back("Sleep " + std::to_string(milliseconds));
    now_ += milliseconds;
    if (failing(Call::Sleep))
        throw CallFailed("Sleep");
}

std::intptr_t FakePlatform::shellExecute(NativeWindow owner, const std::string& operation,
    const std::string& file, const std::string& parameters, const std::string& directory,
    int showCommand)
{
    log_.push_back("ShellExecute " + handle(owner) + " \"" + operation + "\" \"" + file + "\" \""
        + parameters + "\" \"" + directory + "\" " + std::to_string(showCommand));
    throwIfAsked(Call::ShellExecute, "ShellExecute");
    return failing(Call::ShellExecute) ? 2 : 33;
}

bool FakePlatform::launch(const std::string& commandLine, int showState)
{
    log_.push_back("launch \"" + commandLine + "\" " + std::to_string(showState));
    throwIfAsked(Call::Launch, "launch");
    return !failing(Call::Launch);
}

void FakePlatform::keepAwake(bool on, const std::string& why)
{
    log_.push_back(on ? "KeepAwake on \"" + why + "\"" : std::string("KeepAwake off"));
}

void FakePlatform::scriptKey(int virtualKey, std::initializer_list<std::uint16_t> states)
{
    auto& queue = keys_[virtualKey];
    queue.insert(queue.end(), states.begin(), states.end());
}

void FakePlatform::setFailing(Call call, bool isFailing)
{
    if (isFailing)
        failing_.insert(call);
    else
        failing_.erase(call);
}

void FakePlatform::setThrowing(Call call, bool isThrowing)
{
    if (isThrowing)
        throwing_.insert(call);
    else
        throwing_.erase(call);
}

void FakePlatform::throwIfAsked(Call call, const char* name) const
{
    if (throwing_.count(call) != 0)
        throw CallFailed(name);
}

std::string FakePlatform::text(bool withKeyQueries) const
{
    std::string out;
    for (const auto& line : log_) {
        if (!withKeyQueries && line.rfind("GetAsyncKeyState", 0) == 0)
            continue;
        if (!out.empty())
            out += '\n';
        out += line;
    }
    return out;
}

int FakePlatform::count(const std::string& prefix) const
{
    int n = 0;
    for (const auto& line : log_)
        n += line.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

} // namespace platform
