// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual pointer device made through /dev/uinput. The kernel delivers its
// button events like those of a real mouse, so every application sees them
// at the pointer, whatever window system it uses.
#pragma once

#include <cstdint>
#include <memory>

namespace platform::uinput {

class UinputPointer {
public:
    // The device, or null when /dev/uinput cannot be opened or refuses it.
    static std::unique_ptr<UinputPointer> create();
    ~UinputPointer();
    UinputPointer(const UinputPointer&) = delete;
    UinputPointer& operator=(const UinputPointer&) = delete;

    // Sends the button presses and releases of platform::mouse flags.
    void mouseEvent(std::uint32_t flags);

private:
    explicit UinputPointer(int fd)
        : fd_(fd)
    {
    }
    void emit(std::uint16_t type, std::uint16_t code, std::int32_t value);

    int fd_;
};

} // namespace platform::uinput
