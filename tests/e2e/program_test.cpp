// The desktop program on one headless desktop that these tests share, run in the order written:
// the tray and a second launch, settings files it cannot use, a hostile accessible application,
// single-instance files planted by another user, and last a click held at each way out, the X
// server going away among them. Every test starts as a first launch (no settings, no lock).
#include <fcntl.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <regex>
#include <thread>

#include "support/private_desktop.h"
#include "support/text_app.h"
#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

constexpr uid_t kOtherUser = 12345;

const auto anyWindow = [](const XWindowInfo&) { return true; };

// A figure of /proc/<pid>/status in kB ("VmRSS", "VmHWM").
long statusKb(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    long kb = -1;
    while (status >> word && word != field + ":") {
    }
    status >> kb;
    return kb;
}

class Program : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { desktop = std::make_unique<PrivateDesktop>(); }
    static void TearDownTestSuite() { desktop.reset(); }
    void SetUp() override {
        JOYVANE_REQUIRE_PRIVATE_DESKTOP(*desktop);
        fs::remove_all(config());
        fs::remove(runtime() / "joyvane.lock");
        fs::remove(runtime() / "joyvane.socket");
    }

    static fs::path config() {
        return fs::path(desktop->environment().at("XDG_CONFIG_HOME")) / "joyvane";
    }
    static fs::path runtime() { return desktop->environment().at("XDG_RUNTIME_DIR"); }
    static const std::string& display() { return desktop->display(); }

    static std::unique_ptr<ChildProcess> launch(const Environment& env = desktop->environment()) {
        static int launches = 0;
        return std::make_unique<ChildProcess>(
            std::vector<std::string>{JOYVANE_PROGRAM}, env,
            desktop->folder() / ("joyvane-" + std::to_string(++launches) + ".log"));
    }
    // The environment of a program given a virtual DualSense by the preloaded library, played from
    // the FIFO `pad`. Under AddressSanitizer, freed memory would stay resident in its quarantine.
    static Environment withPad(const fs::path& pad) {
        Environment env = desktop->environment();
        env["LD_PRELOAD"] = JOYVANE_PAD_PRELOAD;
        env["JOYVANE_TEST_PAD"] = pad.string();
        env["ASAN_OPTIONS"] =
            "verify_asan_link_order=0:quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
        return env;
    }
    // The first of the program's tray icons (or, with `matches`, viewable windows) that
    // `matches`, waiting up to 20 s; nothing if the program leaves first.
    static std::optional<XWindowInfo> windowOf(
        ChildProcess& program, const std::function<bool(const XWindowInfo&)>& matches = {}) {
        std::optional<XWindowInfo> found;
        pollUntil(
            [&] {
                for (const XWindowInfo& window :
                     matches ? viewableWindowsOf(display(), program.pid()) : trayIcons(display())) {
                    if (!found && window.pid == program.pid() && (!matches || matches(window))) {
                        found = window;
                    }
                }
                return found || !program.running();
            },
            seconds(20));
        return found;
    }
    // The panel is 390 × 620, onboarding 480 × 580, the hint 380 × 380.
    static std::optional<XWindowInfo> windowSized(ChildProcess& program, int width, int height) {
        return windowOf(program, [&](const XWindowInfo& window) {
            return window.box.width == width && window.box.height == height;
        });
    }

    static inline std::unique_ptr<PrivateDesktop> desktop;
};

TEST_F(Program, DocksInTheTrayOpensThePanelAndAnswersASecondLaunchWithTheHint) {
    auto program = launch();
    auto icon = windowOf(*program);
    ASSERT_TRUE(icon) << program->output();
    // First launch: onboarding opens. Close it, as a new user would, before turning to the icon.
    auto onboarding = windowSized(*program, 480, 580);
    ASSERT_TRUE(onboarding);
    ASSERT_TRUE(closeWindow(display(), onboarding->id));
    ASSERT_TRUE(clickAt(display(), icon->box.centreX(), icon->box.centreY()));
    EXPECT_TRUE(windowSized(*program, 390, 620)) << "no main panel";

    auto second = launch();
    auto status = second->waitForExit(seconds(15));
    ASSERT_TRUE(status) << "the second launch is still running";
    EXPECT_EQ(describeStatus(*status), "exit 0") << second->output();
    EXPECT_TRUE(windowSized(*program, 380, 380)) << "no menu-bar hint";

    // The icon comes back when the tray host restarts.
    desktop->stopTray();
    ASSERT_TRUE(desktop->startTray());
    EXPECT_TRUE(windowOf(*program)) << program->output();
}

// A FIFO or a 1 GiB file at the settings path: the program starts all the same, without
// waiting on it or reading it whole, says what was wrong, keeps the original beside as
// settings.json.bad and writes a good file (each kind of bad file is the storage tests' concern).
TEST_F(Program, AnUnusableSettingsFileNeitherFreezesNorFloodsStartUp) {
    const struct {
        std::function<void(const fs::path&)> plant;
        const char* fault;  // in the line on standard error
    } cases[] = {
        {[](const auto& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }, "not a regular file"},
        {[](const auto& at) {
             std::ofstream(at) << R"({"sensitivity": 20})";
             fs::resize_file(at, std::uintmax_t{1} << 30);
         },
         "larger than"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        fs::remove_all(config());
        fs::create_directories(config());
        const fs::path file = config() / "settings.json";
        const fs::path bad = config() / "settings.json.bad";
        c.plant(file);
        auto program = launch();
        ASSERT_TRUE(pollUntil(
            [&] { return fs::exists(fs::symlink_status(bad)) && fs::is_regular_file(file); },
            seconds(20)))
            << program->output();
        EXPECT_TRUE(program->running());
        EXPECT_LT(statusKb(program->pid(), "VmHWM"), 300 * 1024);
        EXPECT_NE(program->output().find(file.string() + ": " + c.fault), std::string::npos)
            << program->output();
    }
}

// The active window belongs to an application that claims ten million accessible children: the
// program keeps its memory, still opens the keyboard for another application's text field, and
// quits at once.
TEST_F(Program, AHostileAccessibleApplicationNeitherFloodsNorHoldsItUp) {
    ChildProcess hostile({JOYVANE_E2E_TEXT_APP, "--huge-list"}, desktop->environment(),
                         desktop->folder() / "hostile.log");
    ASSERT_TRUE(windowOf(hostile, anyWindow)) << hostile.output();
    // A controller keeps the focus monitor running.
    auto program = launch(withPad(desktop->folder() / "unused-pad"));
    ASSERT_TRUE(windowOf(*program)) << program->output();
    // The hostile window is active: the search for its focused element is under way.
    std::this_thread::sleep_for(seconds(1));
    long before = statusKb(program->pid(), "VmRSS");
    std::this_thread::sleep_for(seconds(5));
    long after = statusKb(program->pid(), "VmRSS");
    EXPECT_LT(after - before, 4 * 1024) << "grew from " << before << " kB to " << after << " kB";

    TextApp other(*desktop);
    std::string why;
    auto ready = other.readyState(&why);
    ASSERT_TRUE(ready) << why;
    ASSERT_TRUE(clickAt(display(), ready->field.centreX(), ready->field.centreY()));
    EXPECT_TRUE(windowOf(*program, [](const XWindowInfo& window) {
        return window.name == "Joyvane Keyboard";
    })) << "the keyboard did not open for the other application's field";

    auto asked = std::chrono::steady_clock::now();
    ::kill(program->pid(), SIGTERM);
    auto status = program->waitForExit(seconds(5));
    ASSERT_TRUE(status) << "still running 5 s after SIGTERM";
    EXPECT_EQ(describeStatus(*status), "signal 15") << program->output();
    // One second is the aim; the margin is for a loaded machine. The fault it catches is a quit
    // that waits on the search for ever.
    EXPECT_LT(std::chrono::steady_clock::now() - asked, seconds(3));
}

// Another user's lock file and socket, named like the program's, in `folder`: the socket answers
// "ok" to whoever connects, and the peer a client sees is the other user, who listened. Needs root.
struct PlantedListener {
    explicit PlantedListener(const fs::path& folder) {
        std::ofstream(folder / "joyvane.lock").close();
        ::chown((folder / "joyvane.lock").c_str(), kOtherUser, kOtherUser);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s",
                      (folder / "joyvane.socket").c_str());
        ok = ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
             ::chown((folder / "joyvane.socket").c_str(), kOtherUser, kOtherUser) == 0 &&
             ::seteuid(kOtherUser) == 0;
        ok = ok && ::listen(listener_, 8) == 0 && ::seteuid(0) == 0;
        answering_ = std::thread([this] {
            for (int client; (client = ::accept(listener_, nullptr, nullptr)) >= 0;) {
                ::send(client, "ok\n", 3, MSG_NOSIGNAL);
                ::close(client);
            }
        });
    }
    ~PlantedListener() {
        ::shutdown(listener_, SHUT_RDWR);  // which ends the wait for a client
        answering_.join();
        ::close(listener_);
    }
    int listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    bool ok = false;
    std::thread answering_;
};

// What others leave in the single-instance check's way does not keep the program from running
// (its icon in the tray): an empty lock, another user's lock and answering socket in the runtime
// folder, and, with no runtime folder, every private folder name in the shared temporary folder.
TEST_F(Program, SingleInstanceFilesPlantedByOthersDoNotStopIt) {
    auto expectItRuns = [](const Environment& env) {
        auto program = launch(env);
        EXPECT_TRUE(windowOf(*program) && program->running())
            << "it left: " << describeStatus(program->waitForExit(seconds(1)).value_or(-1)) << "\n"
            << program->output();
        return program->output();
    };
    std::ofstream(runtime() / "joyvane.lock").close();
    expectItRuns(desktop->environment());
    if (::getuid() != 0) {
        GTEST_SKIP() << "needs root to act as another user";
    }
    fs::remove(runtime() / "joyvane.lock");
    {
        PlantedListener planted(runtime());
        ASSERT_TRUE(planted.ok);
        expectItRuns(desktop->environment());
    }
    const fs::path shared = desktop->folder() / "tmp";
    fs::create_directories(shared);
    ::chmod(shared.c_str(), 01777);
    const std::string user = ::getpwuid(::getuid())->pw_name;
    for (const std::string& name : {"runtime-" + user, "joyvane-" + std::to_string(::getuid())}) {
        fs::create_directory(shared / name);
        ASSERT_EQ(::chown((shared / name).c_str(), kOtherUser, kOtherUser), 0);
    }
    Environment env = desktop->environment();
    env.erase("XDG_RUNTIME_DIR");
    env["TMPDIR"] = shared.string();
    EXPECT_NE(expectItRuns(env).find("running without the check"), std::string::npos);
}

// A virtual DualSense, preloaded into the program, holds Cross (a left click); each way a
// session ends the program must let go of the click before the process is gone. Last, because
// its last way out takes the desktop away: the X server goes, and the program exits with 1 and
// a clear message.
TEST_F(Program, EveryWayOutLetsGoOfAHeldClick) {
    constexpr int kLostConnection = 0;
    constexpr int kServerGone = -1;
    const fs::path fifo = desktop->folder() / "pad";
    for (int way : {SIGTERM, SIGINT, SIGHUP, kLostConnection, kServerGone}) {
        SCOPED_TRACE(way > 0                  ? strsignal(way)
                     : way == kLostConnection ? "lost display connection"
                                              : "X server gone");
        fs::remove(fifo);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        auto program = launch(withPad(fifo));
        int pad = -1;
        ASSERT_TRUE(pollUntil(
            [&] {
                pad = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                return pad >= 0 || !program->running();
            },
            seconds(20)));
        ASSERT_GE(pad, 0) << program->output();
        // The controller is taken up a moment after it appears; press until the click is held.
        bool held = pollUntil(
            [&] {
                [[maybe_unused]] auto n = ::write(pad, "up 0\ndown 0\n", 12);
                return pollUntil([&] { return leftButtonDown(display()); }, seconds(1));
            },
            seconds(20));
        ASSERT_TRUE(held) << program->output();
        if (way > 0) {
            ::kill(program->pid(), way);
        } else if (way == kLostConnection) {
            // Kills the connection Qt draws the windows on, as xkill would; the program's own
            // input connection stays, and must be used to let go.
            auto window = windowOf(*program, anyWindow);
            ASSERT_TRUE(window && killClient(display(), window->id));
        } else {
            desktop->stopXServer();
        }
        auto ended = program->waitForExit(seconds(10));
        ::close(pad);
        ASSERT_TRUE(ended) << "still running";
        EXPECT_EQ(describeStatus(*ended), way > 0 ? "signal " + std::to_string(way) : "exit 1")
            << program->output();
        if (way == kServerGone) {
            EXPECT_TRUE(std::regex_search(program->output(), std::regex("X11|X server|display")))
                << program->output();
        } else {
            EXPECT_FALSE(leftButtonDown(display())) << "the click is still held";
        }
    }
}

}  // namespace
}  // namespace joyvane::testing
