// Runs the program's way out on a bare Qt loop: prints "ready" once the loop runs and
// "released" when the held input is let go. The argument says how the loop is left:
// "signal" (wait for one), "exit" (exit(1) from inside the loop, as Qt's xcb plugin does),
// "throw" (an exception from inside the loop), "slow" (wait for a signal; the release then
// takes ten seconds).
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "app/quit_signals.h"
#include "app/release_on_exit.h"

using joyvane::app::QuitSignals;
using joyvane::app::ReleaseOnExit;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const char* mode = argc > 1 ? argv[1] : "signal";
    ReleaseOnExit release([mode] {
        std::printf("released\n");
        std::fflush(stdout);
        if (std::strcmp(mode, "slow") == 0) {
            std::this_thread::sleep_for(std::chrono::seconds(10));
        }
    });
    QuitSignals signals([] { QCoreApplication::quit(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&release] {
        QuitSignals::shutdownBegun();
        release.run();
    });
    QTimer::singleShot(0, [mode] {
        std::printf("ready\n");
        std::fflush(stdout);
        if (std::strcmp(mode, "exit") == 0) {
            std::exit(1);
        }
        if (std::strcmp(mode, "throw") == 0) {
            throw std::runtime_error("thrown from the loop");
        }
    });
    int status = QCoreApplication::exec();
    QuitSignals::endAsSignalled();
    return status;
}
