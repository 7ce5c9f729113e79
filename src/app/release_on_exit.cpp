#include "app/release_on_exit.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace joyvane::app {
namespace {

ReleaseOnExit* active = nullptr;
std::terminate_handler previousTerminate = nullptr;

void releaseAtExit() {
    if (active != nullptr) {
        active->run();
    }
}

[[noreturn]] void releaseThenTerminate() {
    std::fputs("joyvane: stopped by an unexpected error; held input was released.\n", stderr);
    releaseAtExit();
    if (previousTerminate != nullptr) {
        previousTerminate();
    }
    std::abort();
}

}  // namespace

ReleaseOnExit::ReleaseOnExit(std::function<void()> release) : release_(std::move(release)) {
    static const bool registered = std::atexit(releaseAtExit) == 0;
    (void)registered;
    active = this;
    previousTerminate = std::set_terminate(releaseThenTerminate);
}

ReleaseOnExit::~ReleaseOnExit() {
    run();
    std::set_terminate(previousTerminate);
    active = nullptr;
}

void ReleaseOnExit::run() {
    if (done_) {
        return;
    }
    done_ = true;
    if (release_) {
        release_();
    }
}

}  // namespace joyvane::app
