#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>

// The Qt event loop for tests of the backends that run on it.
namespace joyvane::testing {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "joyvane_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        static QCoreApplication app(argc, argv);
    }
}

// Runs the Qt loop until `done` holds or `seconds` pass.
template <typename Done>
bool runUntil(Done done, double seconds = 3.0) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done() && std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return done();
}

}  // namespace joyvane::testing
