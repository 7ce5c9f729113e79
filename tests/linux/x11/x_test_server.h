#pragma once

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

// An X server of the test's own: a private Xvfb with XTest and RandR, so the pointer and the
// keyboard focus are not shared with tests running at the same time. Falls back to $DISPLAY
// when Xvfb cannot be started.
namespace joyvane::x11::testing {

// Runs a program and waits for it; true when it exited with 0.
inline bool runProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed != 0) {
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class XTestServer {
  public:
    explicit XTestServer(const std::string& size = "1440x900", bool withXTest = true) {
        if (!start(size, withXTest)) {
            const char* display = std::getenv("DISPLAY");
            name_ = display != nullptr ? display : "";
            shared_ = true;
        }
    }
    ~XTestServer() { stop(); }
    XTestServer(const XTestServer&) = delete;
    XTestServer& operator=(const XTestServer&) = delete;

    // Empty when there is no X server to test against.
    const std::string& name() const { return name_; }
    bool isPrivate() const { return !shared_; }

    // Ends the server, as if the desktop session went away.
    void stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

  private:
    // Xvfb picks a free display number itself (-displayfd) and writes it once it accepts
    // connections, so tests started in parallel never meet on one server.
    bool start(const std::string& size, bool withXTest) {
        int ready[2];
        if (pipe(ready) != 0) {
            return false;
        }
        // -noreset: the server must not reset when its last client leaves, or the monitors
        // set up for a test vanish and connections fail while it restarts.
        std::vector<std::string> args = {"Xvfb",
                                         "-displayfd",
                                         std::to_string(ready[1]),
                                         "-screen",
                                         "0",
                                         size + "x24",
                                         "-nolisten",
                                         "tcp",
                                         "-noreset",
                                         withXTest ? "+extension" : "-extension",
                                         "XTEST",
                                         "+extension",
                                         "RANDR"};
        std::vector<char*> argv;
        for (auto& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        int failed = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        if (failed != 0) {
            pid_ = -1;
            close(ready[0]);
            return false;
        }
        std::string number;
        pollfd wait{ready[0], POLLIN, 0};
        char c = 0;
        while (poll(&wait, 1, 10000) > 0 && read(ready[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(ready[0]);
        if (number.empty()) {
            stop();
            return false;
        }
        name_ = ":" + number;
        return true;
    }

    std::string name_;
    pid_t pid_ = -1;
    bool shared_ = false;
};

// Says why the test cannot run: a failure, unless JOYVANE_ALLOW_SKIP is set.
#define JOYVANE_REQUIRE_X_SERVER(server)                                                      \
    do {                                                                                      \
        if ((server).name().empty()) {                                                        \
            if (std::getenv("JOYVANE_ALLOW_SKIP") != nullptr) {                               \
                GTEST_SKIP() << "No X server: Xvfb is not installed and DISPLAY is not set."; \
            }                                                                                 \
            FAIL() << "No X server: install Xvfb or run inside scripts/with-desktop.sh "      \
                      "(set JOYVANE_ALLOW_SKIP=1 to skip).";                                  \
        }                                                                                     \
    } while (false)

}  // namespace joyvane::x11::testing
