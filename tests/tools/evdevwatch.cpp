// An evdev reader for the guest tests: it waits for the input device of a
// given name, prints "ready <node> rel=<mask> keys=<codes>" (the relative axes
// and keys the device declares), then one line per event until --timeout
// seconds have passed:
//   <kernel time in us> <type> <code> <value>
#include <linux/input.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

// The open node of the device called name, or -1.
int findDevice(const std::string& name, std::string& node)
{
    DIR* folder = opendir("/dev/input");
    if (folder == nullptr)
        return -1;
    int found = -1;
    while (const dirent* entry = readdir(folder)) {
        if (std::strncmp(entry->d_name, "event", 5) != 0)
            continue;
        const std::string path = std::string("/dev/input/") + entry->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        char deviceName[256] = {};
        if (fd >= 0 && ioctl(fd, EVIOCGNAME(sizeof deviceName - 1), deviceName) >= 0
            && name == deviceName) {
            found = fd;
            node = path;
            break;
        }
        if (fd >= 0)
            close(fd);
    }
    closedir(folder);
    return found;
}

} // namespace

int main(int argc, char** argv)
{
    std::string name;
    double timeout = 60;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--name") == 0)
            name = argv[i + 1];
        else if (std::strcmp(argv[i], "--timeout") == 0)
            timeout = std::atof(argv[i + 1]);
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    std::string node;
    int fd = -1;
    while ((fd = findDevice(name, node)) < 0) {
        if (std::chrono::steady_clock::now() > end) {
            std::fprintf(stderr, "evdevwatch: no device named \"%s\"\n", name.c_str());
            return 2;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    unsigned long rel = 0;
    ioctl(fd, EVIOCGBIT(EV_REL, sizeof rel), &rel);
    unsigned char keys[KEY_MAX / CHAR_BIT + 1] = {};
    ioctl(fd, EVIOCGBIT(EV_KEY, sizeof keys), keys);
    std::printf("ready %s rel=%#lx keys=", node.c_str(), rel);
    for (int code = 0; code <= KEY_MAX; ++code) {
        if ((keys[code / CHAR_BIT] & (1 << (code % CHAR_BIT))) != 0)
            std::printf("%d,", code);
    }
    std::printf("\n");
    std::fflush(stdout);

    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return 0;
        pollfd waiting {fd, POLLIN, 0};
        if (poll(&waiting, 1, static_cast<int>(left.count())) <= 0)
            continue;
        input_event event {};
        if (read(fd, &event, sizeof event) != static_cast<ssize_t>(sizeof event))
            return errno == ENODEV ? 0 : 3;
        std::printf("%lld %u %u %d\n",
            static_cast<long long>(event.input_event_sec) * 1000000 + event.input_event_usec,
            event.type, event.code, event.value);
        std::fflush(stdout);
    }
}
