// Button press to event seen by the X server, and the idle cost with a resting controller.
//
// The engine runs on the real SDL and X11 backends in this process, against a private Xvfb. A
// second X connection on its own thread listens for XInput 2 raw button events on the root
// window; each press of the virtual controller's Cross is timed from the moment its value is
// set to the moment that listener sees the button go down. Then the controller rests and the
// process's own processor time and resident memory are read over a while.
//
//   press_latency [--presses N] [--idle SECONDS]
// prints key=value lines: press_median_ms, press_p99_ms, press_max_ms, idle_cpu_percent,
// resident_mb.
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <QEventLoop>
#include <QTimer>

#include "composed_engine.h"
#include "pad_driver.h"
#include "process_usage.h"
#include "support/private_desktop.h"
// Xlib's macros clash with Qt's names: after every Qt header.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {

using namespace joyvane;
using Clock = std::chrono::steady_clock;

// Counts raw button presses and releases and stamps the last of each as it arrives.
class RawButtonListener {
  public:
    explicit RawButtonListener(const std::string& displayName) {
        display_ = XOpenDisplay(displayName.c_str());
        if (display_ == nullptr) {
            return;
        }
        int event = 0;
        int error = 0;
        int major = 2;
        int minor = 0;
        if (!XQueryExtension(display_, "XInputExtension", &opcode_, &event, &error) ||
            XIQueryVersion(display_, &major, &minor) != Success) {
            XCloseDisplay(display_);
            display_ = nullptr;
            return;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
        XIEventMask mask{XIAllMasterDevices, sizeof bits, bits};
        XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
        XSync(display_, False);
        thread_ = std::thread([this] { listen(); });
    }
    ~RawButtonListener() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    bool ok() const { return display_ != nullptr; }
    int presses() const { return presses_; }
    int releases() const { return releases_; }
    Clock::time_point lastPress() const { return Clock::time_point(Clock::duration(lastPress_)); }

  private:
    void listen() {
        pollfd watch{ConnectionNumber(display_), POLLIN, 0};
        while (!stop_) {
            if (XPending(display_) == 0) {
                poll(&watch, 1, 20);
                continue;
            }
            XEvent event;
            XNextEvent(display_, &event);
            auto now = Clock::now();
            if (event.xcookie.type != GenericEvent || event.xcookie.extension != opcode_) {
                continue;
            }
            if (event.xcookie.evtype == XI_RawButtonPress) {
                lastPress_ = now.time_since_epoch().count();
                ++presses_;
            } else if (event.xcookie.evtype == XI_RawButtonRelease) {
                ++releases_;
            }
        }
    }

    Display* display_ = nullptr;
    int opcode_ = 0;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<int> presses_{0};
    std::atomic<int> releases_{0};
    std::atomic<Clock::rep> lastPress_{0};
};

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// Runs the Qt event loop until `done` holds (checked every millisecond) or `seconds` pass. The
// loop sleeps between events, as the program's does: the idle figure must not count a busy
// wait of this tool's own.
bool loopUntil(const std::function<bool()>& done, double seconds) {
    if (done()) {
        return true;
    }
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (done()) {
            loop.quit();
        }
    });
    check.start(1);
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop,
                       [&] { loop.quit(); });
    loop.exec();
    return done();
}

// Runs the event loop for `seconds`, waking only for the program's own timers.
void sleepInLoop(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop,
                       [&] { loop.quit(); });
    loop.exec();
}

int fail(const std::string& why) {
    std::fprintf(stderr, "press_latency: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    XInitThreads();  // the listener has a connection of its own on another thread
    int presses = 1000;
    double idleSeconds = 60;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--presses") == 0) {
            presses = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--idle") == 0) {
            idleSeconds = std::atof(argv[i + 1]);
        }
    }

    testing::PrivateDesktop desktop(
        {.windowManager = false, .tray = false, .accessibility = false});
    if (!desktop.error().empty()) {
        return fail(desktop.error());
    }
    testing::ensureApplication();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        return fail(SDL_GetError());
    }
    auto pad = testing::attachVirtualPad(0x054C, 0x0CE6, true);
    std::string error;
    linux_input::SdlControllerService::Options controllerOptions;
    if (const char* pump = std::getenv("JOYVANE_PERF_PUMP_MS")) {
        controllerOptions.activeInterval = std::atof(pump) / 1000.0;  // for comparisons
    }
    auto engine =
        testing::ComposedEngine::create(desktop.display(), false, &error, controllerOptions);
    if (!engine) {
        return fail(error);
    }
    testing::PadDriver driver(*engine, pad);
    if (!loopUntil([&] { return engine->manager->isEnabled().get(); }, 5.0)) {
        return fail("the controller did not connect");
    }
    auto listening = std::make_unique<RawButtonListener>(desktop.display());
    RawButtonListener& listener = *listening;
    if (!listener.ok()) {
        return fail("no XInput 2 on the X server");
    }

    // Presses at random moments, so they fall anywhere in the backend's pump period.
    std::mt19937 random(42);
    std::uniform_real_distribution<double> gap(0.002, 0.012);
    std::vector<double> latencies;
    for (int i = 0; i < presses; ++i) {
        int seen = listener.presses();
        auto start = Clock::now();
        pad.button(SDL_CONTROLLER_BUTTON_A, true);
        if (!loopUntil([&] { return listener.presses() > seen; }, 2.0)) {
            return fail("a press never reached the X server");
        }
        latencies.push_back(
            std::chrono::duration<double, std::milli>(listener.lastPress() - start).count());
        int released = listener.releases();
        pad.button(SDL_CONTROLLER_BUTTON_A, false);
        if (!loopUntil([&] { return listener.releases() > released; }, 2.0)) {
            return fail("a release never reached the X server");
        }
        sleepInLoop(gap(random));
    }
    std::printf("press_median_ms=%.3f\npress_p99_ms=%.3f\npress_max_ms=%.3f\n",
                percentile(latencies, 0.5), percentile(latencies, 0.99),
                percentile(latencies, 1.0));
    std::fflush(stdout);

    if (idleSeconds > 0) {
        listening.reset();  // the listener's thread is this tool's, not the program's
        sleepInLoop(1.0);   // let the last events settle
        long long before = perf::cpuNanoseconds(getpid());
        auto start = Clock::now();
        sleepInLoop(idleSeconds);
        double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        long long used = perf::cpuNanoseconds(getpid()) - before;
        std::printf("idle_cpu_percent=%.3f\nresident_mb=%.1f\n",
                    100.0 * static_cast<double>(used) / 1e9 / elapsed,
                    perf::residentMegabytes(getpid()));
    }
    engine.reset();
    pad.detach();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    return 0;
}
