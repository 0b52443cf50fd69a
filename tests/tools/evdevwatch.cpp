// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An evdev reader for the guest tests: it opens the event node it is given,
// prints "ready <node> rel=<mask> keys=<codes>" (the relative axes and keys
// the device declares), then one line per event until the device goes away:
//   <kernel time in us> <type> <code> <value>
#include <linux/input.h>

#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    const int fd = argc == 2 ? open(argv[1], O_RDONLY | O_CLOEXEC) : -1;
    if (fd < 0) {
        std::perror("evdevwatch");
        return 2;
    }
    unsigned long rel = 0;
    ioctl(fd, EVIOCGBIT(EV_REL, sizeof rel), &rel);
    unsigned char keys[KEY_MAX / CHAR_BIT + 1] = {};
    ioctl(fd, EVIOCGBIT(EV_KEY, sizeof keys), keys);
    std::printf("ready %s rel=%#lx keys=", argv[1], rel);
    for (int code = 0; code <= KEY_MAX; ++code) {
        if ((keys[code / CHAR_BIT] & (1 << (code % CHAR_BIT))) != 0)
            std::printf("%d,", code);
    }
    std::printf("\n");
    std::fflush(stdout);

    input_event event {};
    while (read(fd, &event, sizeof event) == static_cast<ssize_t>(sizeof event)) {
        std::printf("%lld %u %u %d\n",
            static_cast<long long>(event.input_event_sec) * 1000000 + event.input_event_usec,
            event.type, event.code, event.value);
        std::fflush(stdout);
    }
}
