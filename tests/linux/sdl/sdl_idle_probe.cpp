// Measures what the controller service costs while nothing happens: run it on the Qt loop for
// a few seconds, with no controller or with one resting virtual controller, and report the
// processor time of all the process's threads (from /proc/self/task/*/schedstat).
//   sdl_idle_probe [none|resting] [seconds]
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller_service.h"
#include "sdl_test_support.h"

namespace {

double cpuSeconds() {
    double total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream in(task.path() / "schedstat");
        double nanoseconds = 0;
        if (in >> nanoseconds) {
            total += nanoseconds * 1e-9;
        }
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    bool resting = argc > 1 && std::strcmp(argv[1], "resting") == 0;
    double seconds = argc > 2 ? std::stod(argv[2]) : 5.0;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    QCoreApplication app(argc, argv);
    joyvane::QtScheduler scheduler;
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    if (resting) {
        joyvane::linux_input::testing::attachVirtualPad(0x054C, 0x0CE6, true);
    }
    std::string error;
    auto service = joyvane::linux_input::SdlControllerService::create(scheduler, {}, &error);
    if (!service) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    // Let start-up settle before measuring.
    QTimer::singleShot(500, [&] {
        double startCpu = cpuSeconds();
        auto startWall = std::chrono::steady_clock::now();
        QTimer::singleShot(static_cast<int>(seconds * 1000), [&, startCpu, startWall] {
            double wall =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - startWall).count();
            double cpu = cpuSeconds() - startCpu;
            std::printf("%s: %zu controller(s), %.1f s, cpu %.4f s = %.2f %% of one core\n",
                        resting ? "resting" : "none", service->controllers().size(), wall, cpu,
                        100.0 * cpu / wall);
            app.quit();
        });
    });
    return app.exec();
}
