// A stand-in for the program that runs one of its parts on a bare Qt loop and says on standard
// output what happens.
//   app_probe instance      the single-instance check: prints "primary" (or "alone"), then one
//                           "reopen" line per later launch, or exits 0 after telling the running
//                           instance
//   app_probe quit MODE     the way out: prints "ready" once the loop runs and "released" when
//                           the held input is let go. MODE says how the loop is left: "signal"
//                           (wait for one), "exit" (exit(1) inside the loop, as Qt's xcb plugin
//                           does), "throw" (an exception inside the loop), "slow" (wait for a
//                           signal; the release then takes ten seconds)
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

#include "app/quit_signals.h"
#include "app/release_on_exit.h"
#include "app/single_instance.h"

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int singleInstance() {
    QCoreApplication::setApplicationName(QStringLiteral("joyvane"));
    joyvane::app::SingleInstance instance;
    using Role = joyvane::app::SingleInstance::Role;
    const Role role = instance.start([] { say("reopen"); });
    if (role == Role::secondary || role == Role::failed) {
        std::fprintf(stderr, "%s\n", qPrintable(instance.error()));
        return role == Role::failed ? 1 : 0;
    }
    say(role == Role::primary ? "primary" : "alone");
    return QCoreApplication::exec();
}

int wayOut(const std::string& mode) {
    joyvane::app::ReleaseOnExit release([mode] {
        say("released");
        if (mode == "slow") {
            std::this_thread::sleep_for(std::chrono::seconds(10));
        }
    });
    joyvane::app::QuitSignals signals([] { QCoreApplication::quit(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&release] {
        joyvane::app::QuitSignals::shutdownBegun();
        release.run();
    });
    QTimer::singleShot(0, [mode] {
        say("ready");
        if (mode == "exit") {
            std::exit(1);
        }
        if (mode == "throw") {
            throw std::runtime_error("thrown from the loop");
        }
    });
    const int status = QCoreApplication::exec();
    joyvane::app::QuitSignals::endAsSignalled();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string part = argc > 1 ? argv[1] : "";
    if (part == "instance") {
        return singleInstance();
    }
    return wayOut(argc > 2 ? argv[2] : "signal");
}
