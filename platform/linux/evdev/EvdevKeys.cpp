// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EvdevKeys.h"

#include "platform/Platform.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <linux/input.h>
#include <optional>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace platform::evdev {
namespace {

constexpr char inputFolder[] = "/dev/input";

// Virtual-key codes VK_F1 .. VK_F24 and their evdev key codes.
constexpr std::array<std::uint16_t, 24> functionKeys {KEY_F1, KEY_F2, KEY_F3, KEY_F4, KEY_F5,
    KEY_F6, KEY_F7, KEY_F8, KEY_F9, KEY_F10, KEY_F11, KEY_F12, KEY_F13, KEY_F14, KEY_F15, KEY_F16,
    KEY_F17, KEY_F18, KEY_F19, KEY_F20, KEY_F21, KEY_F22, KEY_F23, KEY_F24};

// The place of a virtual key or of an evdev key code in that table.
std::optional<std::size_t> indexOfVirtualKey(int virtualKey)
{
    const int index = virtualKey - 0x70; // VK_F1
    if (index < 0 || index >= static_cast<int>(functionKeys.size()))
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

std::optional<std::size_t> indexOfKeyCode(std::uint16_t code)
{
    const auto* found = std::find(functionKeys.begin(), functionKeys.end(), code);
    if (found == functionKeys.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - functionKeys.begin());
}

using KeyBits = std::array<unsigned char, KEY_MAX / CHAR_BIT + 1>;

bool has(const KeyBits& bits, unsigned code)
{
    return (bits[code / CHAR_BIT] & (1u << (code % CHAR_BIT))) != 0;
}

} // namespace

std::unique_ptr<EvdevKeys> EvdevKeys::open()
{
    // Devices get their owner and mode from udev after the node appears.
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch < 0)
        return nullptr;
    if (::inotify_add_watch(watch, inputFolder, IN_CREATE | IN_ATTRIB | IN_MOVED_TO) < 0) {
        ::close(watch);
        return nullptr;
    }
    std::unique_ptr<EvdevKeys> keys(new EvdevKeys(watch));
    return keys->scan() ? std::move(keys) : nullptr;
}

EvdevKeys::EvdevKeys(int watch)
    : watch_(watch)
{
}

EvdevKeys::~EvdevKeys()
{
    for (const auto& keyboard : keyboards_)
        ::close(keyboard.fd);
    ::close(watch_);
}

bool EvdevKeys::scan()
{
    DIR* folder = ::opendir(inputFolder);
    if (folder == nullptr)
        return false;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        const std::string path = std::string(inputFolder) + "/" + name;
        if (name.rfind("event", 0) != 0
            || std::any_of(keyboards_.begin(), keyboards_.end(),
                [&](const Keyboard& keyboard) { return keyboard.path == path; }))
            continue;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        KeyBits keys {};
        if (::ioctl(fd, EVIOCGBIT(EV_KEY, sizeof keys), keys.data()) >= 0 && has(keys, KEY_F9))
            keyboards_.push_back({fd, path});
        else
            ::close(fd);
    }
    ::closedir(folder);
    return !keyboards_.empty();
}

void EvdevKeys::readEvents(const Keyboard& keyboard)
{
    std::array<input_event, 64> events {};
    for (;;) {
        const auto bytes = ::read(keyboard.fd, events.data(), sizeof events);
        if (bytes <= 0) {
            if (bytes < 0 && errno != EAGAIN && errno != EINTR)
                rescan_ = true; // unplugged: closed below, its node may come back
            return;
        }
        const auto count = static_cast<std::size_t>(bytes) / sizeof(input_event);
        for (std::size_t i = 0; i < count; ++i) {
            // Value 1 is a press, 0 a release; 2, an auto-repeat of a held
            // key, is neither.
            if (events[i].type != EV_KEY || events[i].value == 2)
                continue;
            if (const auto index = indexOfKeyCode(events[i].code)) {
                if (events[i].value == 1)
                    reports_[*index].pressed();
                else
                    reports_[*index].released();
            }
        }
    }
}

KeyState EvdevKeys::asyncKeyState(int virtualKey)
{
    const auto index = indexOfVirtualKey(virtualKey);
    if (!index)
        return 0;
    const unsigned code = functionKeys[*index];

    std::array<char, 4096> changes {};
    while (::read(watch_, changes.data(), changes.size()) > 0)
        rescan_ = true;
    if (rescan_) {
        rescan_ = false;
        scan();
    }

    bool down = false;
    for (auto& keyboard : keyboards_) {
        readEvents(keyboard);
        KeyBits state {};
        if (::ioctl(keyboard.fd, EVIOCGKEY(sizeof state), state.data()) < 0) {
            ::close(keyboard.fd);
            keyboard.fd = -1;
            continue;
        }
        down = down || has(state, code);
    }
    std::erase_if(keyboards_, [](const Keyboard& keyboard) { return keyboard.fd < 0; });

    static_assert(std::tuple_size_v<decltype(reports_)> == functionKeys.size());
    return reports_[*index].query(down);
}

} // namespace platform::evdev
