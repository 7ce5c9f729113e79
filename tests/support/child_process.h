#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Programs the end-to-end tests start: each in its own process group, with an explicit
// environment and its output kept in a file, and ended by its own process id.
namespace joyvane::testing {

using Environment = std::map<std::string, std::string>;

// This process's environment, as a map to amend.
Environment currentEnvironment();

class ChildProcess {
  public:
    // Starts `argv` with `environment`; standard output and error go to `output` (to
    // /dev/null when empty).
    ChildProcess(const std::vector<std::string>& argv, const Environment& environment,
                 const std::filesystem::path& output = {});
    // Ends the whole process group: SIGTERM, then SIGKILL if it is still there after a moment.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool running();
    // Waits for the program to end; the raw wait status, or nothing when it still runs after
    // `limit`.
    std::optional<int> waitForExit(std::chrono::milliseconds limit);
    // Sends `signal` to the program's process group.
    void signalGroup(int signal) const;
    // What the program has written so far.
    std::string output() const;

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::filesystem::path output_;
};

// Runs a program to its end (at most `limit`); true when it exited with status 0.
bool runToCompletion(const std::vector<std::string>& argv, const Environment& environment,
                     std::chrono::milliseconds limit = std::chrono::seconds(10));

// Polls `done` every few milliseconds until it holds or `limit` passes.
template <typename Done>
bool pollUntil(Done done, std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Children of this process that have exited but were never collected.
int zombieChildren();

// A human-readable account of a wait status: "exit 1", "signal 11".
std::string describeStatus(int status);

}  // namespace joyvane::testing
