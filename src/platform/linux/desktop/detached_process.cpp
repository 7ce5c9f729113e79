#include "platform/linux/desktop/detached_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <thread>

extern char** environ;

namespace joyvane::linux_desktop {

namespace {

std::optional<pid_t> spawn(const std::vector<std::string>& argv) {
    if (argv.empty()) {
        return std::nullopt;
    }
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const auto& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawnattr_init(&attributes);
    // Its own session: the program outlives us and our terminal's signals do not reach it.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    pid_t pid = 0;
    int result = ::posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        return std::nullopt;
    }
    return pid;
}

int waitForExit(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return status;
}

}  // namespace

bool spawnDetached(const std::vector<std::string>& argv) {
    auto pid = spawn(argv);
    if (!pid) {
        return false;
    }
    std::thread([pid = *pid] { waitForExit(pid); }).detach();
    return true;
}

}  // namespace joyvane::linux_desktop
