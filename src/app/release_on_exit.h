#pragma once

#include <functional>

namespace joyvane::app {

// Runs `release` (let go of held buttons and keys, give the keymap back) exactly once,
// whichever way the program leaves while this object lives:
//   - the Qt loop ends (quit, a quit signal): call run() then, or let the destructor do it;
//   - an exception unwinds past it: the destructor;
//   - std::terminate (an exception that cannot unwind through the loop's C frames);
//   - exit() called from inside the loop, as Qt's xcb plugin does when its connection to the
//     display breaks: an atexit handler, which runs while everything is still alive.
// One instance at a time.
class ReleaseOnExit {
  public:
    explicit ReleaseOnExit(std::function<void()> release);
    ~ReleaseOnExit();
    ReleaseOnExit(const ReleaseOnExit&) = delete;
    ReleaseOnExit& operator=(const ReleaseOnExit&) = delete;

    void run();

  private:
    std::function<void()> release_;
    bool done_ = false;
};

}  // namespace joyvane::app
