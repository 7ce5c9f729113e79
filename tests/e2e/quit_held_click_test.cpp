// The real program holding a click for a virtual controller, ended in each way a session ends
// it: the click must be let go before the process is gone.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "support/child_process.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"

// Last: Xlib's macros clash with the test framework.
#include <X11/Xlib.h>

namespace joyvane::testing {
namespace {

using std::chrono::seconds;

// Whether X pointer button 1 is down, asked on a connection of our own.
bool leftButtonDown(const std::string& display) {
    Display* dpy = XOpenDisplay(display.c_str());
    if (dpy == nullptr) {
        return false;
    }
    Window root = 0;
    Window child = 0;
    int rx = 0, ry = 0, x = 0, y = 0;
    unsigned int mask = 0;
    XQueryPointer(dpy, DefaultRootWindow(dpy), &root, &child, &rx, &ry, &x, &y, &mask);
    XCloseDisplay(dpy);
    return (mask & Button1Mask) != 0;
}

// The program with a virtual DualSense whose buttons the test plays through a FIFO.
class HeldClick : public ::testing::Test {
  protected:
    PrivateDesktop desktop;
    std::unique_ptr<ChildProcess> program;
    int pad = -1;

    void TearDown() override {
        if (pad >= 0) {
            ::close(pad);
        }
    }

    // Starts the program and holds Cross (a left click) until X reports button 1 down.
    void startHoldingAClick() {
        JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
        const auto fifo = desktop.folder() / "pad";
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        Environment env = desktop.environment();
        env["LD_PRELOAD"] = JOYVANE_PAD_PRELOAD;
        env["JOYVANE_TEST_PAD"] = fifo.string();
        env["ASAN_OPTIONS"] = "verify_asan_link_order=0";
        program = std::make_unique<ChildProcess>(std::vector<std::string>{JOYVANE_PROGRAM}, env,
                                                 desktop.folder() / "joyvane.log");
        ASSERT_TRUE(pollUntil(
            [&] {
                pad = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                return pad >= 0 || !program->running();
            },
            seconds(20)));
        ASSERT_GE(pad, 0) << program->output();
        // The controller is taken up a moment after it appears; press until the click is held.
        ASSERT_TRUE(pollUntil(
            [&] {
                [[maybe_unused]] auto n = ::write(pad, "up 0\ndown 0\n", 12);
                return pollUntil([&] { return leftButtonDown(desktop.display()); }, seconds(1));
            },
            seconds(20)))
            << program->output();
    }

    void expectClickLetGoAfterExit(const std::string& status) {
        auto ended = program->waitForExit(seconds(10));
        ASSERT_TRUE(ended) << "still running";
        EXPECT_EQ(describeStatus(*ended), status) << program->output();
        EXPECT_FALSE(leftButtonDown(desktop.display())) << "the click is still held";
    }
};

TEST_F(HeldClick, EachQuitSignalLetsGoOfTheClickAndEndsByThatSignal) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        ASSERT_NO_FATAL_FAILURE(startHoldingAClick());
        ::kill(program->pid(), signal);
        expectClickLetGoAfterExit("signal " + std::to_string(signal));
        ::close(pad);
        pad = -1;
        std::filesystem::remove(desktop.folder() / "pad");
    }
}

TEST_F(HeldClick, ALostConnectionOfTheWindowsLetsGoOfTheClick) {
    ASSERT_NO_FATAL_FAILURE(startHoldingAClick());
    // Kill the connection Qt draws the windows on (any window of the program's), as xkill
    // would; the program's own input connection stays, and must be used to let go.
    std::optional<XWindowInfo> window;
    ASSERT_TRUE(pollUntil(
        [&] {
            for (const XWindowInfo& each : allWindows(desktop.display())) {
                if (each.pid == program->pid()) {
                    window = each;
                }
            }
            return window.has_value();
        },
        seconds(20)));
    Display* dpy = XOpenDisplay(desktop.display().c_str());
    ASSERT_NE(dpy, nullptr);
    XKillClient(dpy, window->id);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    expectClickLetGoAfterExit("exit 1");
}

}  // namespace
}  // namespace joyvane::testing
