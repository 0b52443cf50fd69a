// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A virtual keyboard for the guest tests, made through /dev/uinput with the
// kernel's own auto-repeat, named "vkeyboard". It prints "ready", then reads
// commands from standard input, one a line, and answers each with "done":
//   down | up     F9 goes down or up
//   press <ms>    F9 down, held for <ms> milliseconds, up
// It removes the device at the end of its input.
#include <linux/uinput.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

void emit(int fd, int type, int code, int value)
{
    input_event event {};
    event.type = static_cast<__u16>(type);
    event.code = static_cast<__u16>(code);
    event.value = value;
    if (write(fd, &event, sizeof event) != static_cast<ssize_t>(sizeof event))
        std::perror("vkeyboard: write");
}

void key(int fd, int value)
{
    emit(fd, EV_KEY, KEY_F9, value);
    emit(fd, EV_SYN, SYN_REPORT, 0);
}

} // namespace

int main()
{
    const int fd = open("/dev/uinput", O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        std::perror("vkeyboard: /dev/uinput");
        return 2;
    }
    ioctl(fd, UI_SET_EVBIT, EV_KEY);
    ioctl(fd, UI_SET_EVBIT, EV_REP);
    // The keys that make udev call it a keyboard (Esc to D), and F9.
    for (int code = KEY_ESC; code <= KEY_D; ++code)
        ioctl(fd, UI_SET_KEYBIT, code);
    ioctl(fd, UI_SET_KEYBIT, KEY_F9);
    uinput_setup setup {};
    setup.id.bustype = BUS_VIRTUAL;
    std::strcpy(setup.name, "vkeyboard");
    if (ioctl(fd, UI_DEV_SETUP, &setup) < 0 || ioctl(fd, UI_DEV_CREATE) < 0) {
        std::perror("vkeyboard: create");
        return 2;
    }
    std::cout << "ready" << std::endl;

    std::string command;
    while (std::cin >> command) {
        int milliseconds = 0;
        if (command == "press" && std::cin >> milliseconds) {
            key(fd, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            key(fd, 0);
        } else {
            key(fd, command == "down" ? 1 : 0);
        }
        std::cout << "done" << std::endl;
    }
    ioctl(fd, UI_DEV_DESTROY);
    close(fd);
}
