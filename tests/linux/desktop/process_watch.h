#pragma once

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace joyvane::testing {

// Children of this process that have exited but were never collected.
inline int zombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) {
            continue;
        }
        // pid (comm) state ppid ...: the name may hold spaces, so read after the last ')'.
        auto close = line.rfind(')');
        if (close == std::string::npos || close + 4 > line.size()) {
            continue;
        }
        char state = line[close + 2];
        long parent = std::stol(line.substr(close + 4));
        if (state == 'Z' && parent == ::getpid()) {
            ++zombies;
        }
    }
    return zombies;
}

// Waits up to `limit` for `done` to turn true.
template <typename Done>
bool waitFor(Done done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace joyvane::testing
