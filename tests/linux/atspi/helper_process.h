#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

extern char** environ;

namespace joyvane::testing {

// The focus helper window, started in its own process with Qt accessibility switched on, and
// killed at the end.
class HelperProcess {
  public:
    HelperProcess() {
        std::vector<std::string> environment;
        for (char** entry = environ; *entry; ++entry) {
            environment.emplace_back(*entry);
        }
        environment.emplace_back("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1");
        environment.emplace_back("QT_QPA_PLATFORM=xcb");
        std::vector<char*> env;
        for (auto& entry : environment) {
            env.push_back(entry.data());
        }
        env.push_back(nullptr);
        std::string program = JOYVANE_FOCUS_HELPER;
        char* argv[] = {program.data(), nullptr};
        if (::posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv, env.data()) != 0) {
            pid_ = 0;
        }
    }
    ~HelperProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGCONT);
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    int pid() const { return pid_; }
    void freeze() const { ::kill(pid_, SIGSTOP); }
    void thaw() const { ::kill(pid_, SIGCONT); }

  private:
    pid_t pid_ = 0;
};

// Presses a key ("Tab", or "shift+Tab") on the X display with XTest, as a user would. When it
// returns, the X server has the key.
inline bool pressKey(const std::string& key) {
    static Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    bool shift = key.starts_with("shift+");
    KeySym symbol = XStringToKeysym(shift ? key.substr(6).c_str() : key.c_str());
    KeyCode code = XKeysymToKeycode(display, symbol);
    KeyCode shiftCode = XKeysymToKeycode(display, XK_Shift_L);
    if (code == 0) {
        return false;
    }
    if (shift) {
        XTestFakeKeyEvent(display, shiftCode, True, CurrentTime);
    }
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    if (shift) {
        XTestFakeKeyEvent(display, shiftCode, False, CurrentTime);
    }
    XSync(display, False);
    return true;
}

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace joyvane::testing
