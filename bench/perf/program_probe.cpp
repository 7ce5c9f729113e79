// Start-up time, idle processor use and resident memory of the desktop program, on a private
// headless desktop (Xvfb, window manager, tray host, accessibility bus) with no controller.
//
//   program_probe PROGRAM [--runs N] [--idle SECONDS] [--onboarding SECONDS]
// Starts PROGRAM N times, each time timing from the start to its icon being embedded in the
// tray; then keeps the last run, reads its processor time over the onboarding SECONDS (default
// 10) while its first-launch onboarding window is open, closes its windows, and reads its
// processor time and resident memory over the idle SECONDS.
// Prints key=value lines: startup_first_ms, startup_median_ms, startup_max_ms,
// onboarding_cpu_percent (when onboarding was open), idle_cpu_percent, resident_mb.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "process_usage.h"
#include "support/child_process.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"

namespace {

using namespace joyvane;
using Clock = std::chrono::steady_clock;

int fail(const std::string& why) {
    std::fprintf(stderr, "program_probe: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return fail("usage: program_probe PROGRAM [--runs N] [--idle SECONDS]");
    }
    std::string program = argv[1];
    int runs = 5;
    double idleSeconds = 60;
    double onboardingSeconds = 10;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--idle") == 0) {
            idleSeconds = std::atof(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--onboarding") == 0) {
            onboardingSeconds = std::atof(argv[i + 1]);
        }
    }
    testing::PrivateDesktop desktop;
    if (!desktop.error().empty()) {
        return fail(desktop.error());
    }

    std::vector<double> startups;
    std::unique_ptr<testing::ChildProcess> running;
    for (int run = 0; run < runs; ++run) {
        running.reset();
        auto start = Clock::now();
        running = std::make_unique<testing::ChildProcess>(std::vector<std::string>{program},
                                                          desktop.environment(),
                                                          desktop.folder() / "program.log");
        pid_t pid = running->pid();
        bool docked = testing::pollUntil(
            [&] {
                for (const auto& icon : testing::trayIcons(desktop.display())) {
                    if (icon.pid == pid) {
                        return true;
                    }
                }
                return !running->running();
            },
            std::chrono::seconds(20));
        if (!docked || !running->running()) {
            return fail("the icon did not appear in the tray: " + running->output());
        }
        startups.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::vector<double> sorted = startups;
    std::sort(sorted.begin(), sorted.end());
    std::printf("startup_first_ms=%.0f\nstartup_median_ms=%.0f\nstartup_max_ms=%.0f\n",
                startups.front(), sorted[sorted.size() / 2], sorted.back());
    std::fflush(stdout);

    if (idleSeconds > 0) {
        // Past the start-up work, with onboarding open; then the user closes it, leaving only
        // the icon.
        pid_t pid = running->pid();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        auto icons = testing::trayIcons(desktop.display());
        std::vector<unsigned long> open;
        for (const auto& window : testing::viewableWindowsOf(desktop.display(), pid)) {
            bool isIcon = std::any_of(icons.begin(), icons.end(),
                                      [&](const auto& icon) { return icon.id == window.id; });
            if (!isIcon && window.box.width > 1) {
                open.push_back(window.id);
            }
        }
        // The percentage of one core the program used over `seconds`, or -1 if it ended.
        auto cpuPercentOver = [&](double seconds) {
            long long before = perf::cpuNanoseconds(pid);
            auto start = Clock::now();
            std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
            double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
            long long used = perf::cpuNanoseconds(pid) - before;
            return before < 0 || !running->running()
                       ? -1.0
                       : 100.0 * static_cast<double>(used) / 1e9 / elapsed;
        };
        if (!open.empty() && onboardingSeconds > 0) {
            double percent = cpuPercentOver(onboardingSeconds);
            if (percent < 0) {
                return fail("the program ended with onboarding open: " + running->output());
            }
            std::printf("onboarding_cpu_percent=%.3f\n", percent);
            std::fflush(stdout);
        }
        for (unsigned long id : open) {
            testing::closeWindow(desktop.display(), id);
        }
        std::this_thread::sleep_for(std::chrono::seconds(2));
        double percent = cpuPercentOver(idleSeconds);
        if (percent < 0) {
            return fail("the program ended while idle: " + running->output());
        }
        std::printf("idle_cpu_percent=%.3f\nresident_mb=%.1f\n", percent,
                    perf::residentMegabytes(pid));
    }
    return 0;
}
