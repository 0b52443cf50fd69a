// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Spawn.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform::posix {
namespace {

struct SystemAction {
    const char* commandLine;
    std::vector<std::string> argv;
};

// The user's own values of the variables set for this process alone
// (nullopt: the user had none).
std::map<std::string, std::optional<std::string>>& userValues()
{
    static std::map<std::string, std::optional<std::string>> values;
    return values;
}

// This process's environment with the user's own values put back.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> entries;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        const std::string name(*entry, equals != nullptr ? equals - *entry : std::strlen(*entry));
        if (userValues().count(name) == 0)
            entries.emplace_back(*entry);
    }
    for (const auto& [name, value] : userValues())
        if (value)
            entries.push_back(name + "=" + *value);
    return entries;
}

std::string ownSession()
{
    const char* id = std::getenv("XDG_SESSION_ID");
    // logind reads "self" as the session of the process that asks.
    return id != nullptr && *id != '\0' ? std::string(id) : std::string("self");
}

} // namespace

std::vector<std::string> systemActionFor(const std::string& commandLine)
{
    // The Windows command lines, and what does the same on a systemd desktop.
    const SystemAction table[] = {
        {"shutdown -s -t 00", {"systemctl", "poweroff"}},
        {"shutdown -r -t 00", {"systemctl", "reboot"}},
        // "--": a session id is never read as an option.
        {"shutdown -l", {"loginctl", "terminate-session", "--", ownSession()}},
    };
    for (const auto& row : table)
        if (commandLine == row.commandLine)
            return row.argv;
    return {};
}

std::string findInPath(const std::string& program)
{
    auto executable = [](const std::string& path) {
        struct stat info { };
        return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)
            && access(path.c_str(), X_OK) == 0;
    };
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return executable(program) ? program : std::string();
    const char* path = std::getenv("PATH");
    const std::string dirs = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    // An empty or relative entry ("", ".", "bin") names a folder below the
    // current one, where anything could stand in for a system tool; it is
    // passed over.
    std::size_t start = 0;
    while (start < dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (end > start && dirs[start] == '/' && executable(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

bool spawnDetached(const std::vector<std::string>& argv)
{
    if (argv.empty())
        return false;
    const std::string executable = findInPath(argv.front());
    if (executable.empty())
        return false;

    // Everything the children need is prepared here: between fork and exec a
    // threaded process may only make async-signal-safe calls.
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const std::vector<std::string> environment = childEnvironment();
    std::vector<char*> envp;
    for (const auto& entry : environment)
        envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;

    const pid_t child = fork();
    if (child == 0) {
        // The intermediate child leaves at once, so the program is adopted by
        // init and never becomes our zombie.
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execve(executable.c_str(), args.data(), envp.data());
            const int error = errno;
            [[maybe_unused]] auto written = write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    if (child < 0) {
        close(report[0]);
        return false;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    int error = 0;
    ssize_t got = 0;
    do
        got = read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    // Nothing on the pipe means the exec went through.
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

void setForThisProcess(const char* name, const char* value)
{
    if (userValues().count(name) == 0) {
        const char* own = std::getenv(name);
        userValues()[name] = own != nullptr ? std::optional<std::string>(own) : std::nullopt;
    }
    ::setenv(name, value, 1);
}

void sleepMs(std::uint32_t milliseconds)
{
    timespec remaining {static_cast<time_t>(milliseconds / 1000),
        static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) { }
}

} // namespace platform::posix
