// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UinputPointer.h"

#include "platform/Platform.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace platform::uinput {
namespace {

struct ButtonFlag {
    std::uint32_t flag;
    std::uint16_t button;
    std::int32_t value; // 1 press, 0 release
};

// In the order Windows applies them when several flags come in one call.
constexpr std::array<ButtonFlag, 6> buttonFlags {{
    {mouse::LeftDown, BTN_LEFT, 1},
    {mouse::LeftUp, BTN_LEFT, 0},
    {mouse::RightDown, BTN_RIGHT, 1},
    {mouse::RightUp, BTN_RIGHT, 0},
    {mouse::MiddleDown, BTN_MIDDLE, 1},
    {mouse::MiddleUp, BTN_MIDDLE, 0},
}};

constexpr char deviceName[] = "Vantrel virtual pointer";

} // namespace

std::unique_ptr<UinputPointer> UinputPointer::create()
{
    const int fd = ::open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    // udev, libinput and X call a device a mouse when it has buttons and
    // relative X and Y axes; the axes are declared but never moved, so each
    // click lands where the pointer already is.
    bool ok = ::ioctl(fd, UI_SET_EVBIT, EV_KEY) == 0 && ::ioctl(fd, UI_SET_EVBIT, EV_REL) == 0
        && ::ioctl(fd, UI_SET_RELBIT, REL_X) == 0 && ::ioctl(fd, UI_SET_RELBIT, REL_Y) == 0;
    for (const int button : {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE})
        ok = ok && ::ioctl(fd, UI_SET_KEYBIT, button) == 0;
    uinput_setup setup {};
    setup.id.bustype = BUS_VIRTUAL;
    std::memcpy(setup.name, deviceName, sizeof deviceName);
    ok = ok && ::ioctl(fd, UI_DEV_SETUP, &setup) == 0 && ::ioctl(fd, UI_DEV_CREATE) == 0;
    if (!ok) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<UinputPointer>(new UinputPointer(fd));
}

UinputPointer::~UinputPointer()
{
    ::ioctl(fd_, UI_DEV_DESTROY);
    ::close(fd_);
}

void UinputPointer::mouseEvent(std::uint32_t flags)
{
    for (const auto& entry : buttonFlags) {
        if ((flags & entry.flag) == 0)
            continue;
        // One report per press or release: a press and a release in one
        // report would cancel out.
        emit(EV_KEY, entry.button, entry.value);
        emit(EV_SYN, SYN_REPORT, 0);
    }
}

void UinputPointer::emit(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    input_event event {};
    event.type = type;
    event.code = code;
    event.value = value;
    // A write to uinput either takes the whole event at once or fails; a
    // failed click cannot be made good later, so it is dropped.
    [[maybe_unused]] const auto written = ::write(fd_, &event, sizeof event);
}

} // namespace platform::uinput
