#include "support/private_desktop.h"

#include <X11/Xlib.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace joyvane::testing {
namespace {

using std::chrono::milliseconds;

// What a desktop of the test's own must not inherit from the one the test runs on.
constexpr const char* kInherited[] = {
    "DISPLAY",         "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
    "SESSION_MANAGER", "WAYLAND_DISPLAY",          "XAUTHORITY"};

// The first line of `text` that `accept` takes, or empty.
template <typename Accept>
std::string findLine(const std::string& text, Accept accept) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (accept(line)) {
            return line;
        }
    }
    return {};
}

// Opens the display for one question and closes it again, so this process holds no
// connection a test may want to see broken.
template <typename Ask>
bool askDisplay(const std::string& name, Ask ask) {
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    bool answer = ask(display);
    XCloseDisplay(display);
    return answer;
}

// Whether a client owns the selection `name` (a window manager owns WM_S0, a tray host
// _NET_SYSTEM_TRAY_S0).
bool selectionOwned(const std::string& display, const char* name) {
    return askDisplay(display, [name](Display* x) {
        return XGetSelectionOwner(x, XInternAtom(x, name, False)) != None;
    });
}

}  // namespace

PrivateDesktop::PrivateDesktop(DesktopOptions options) {
    char pattern[] = "/tmp/joyvane-e2e.XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        error_ = "cannot make a temporary folder";
        return;
    }
    folder_ = pattern;
    environment_ = currentEnvironment();
    for (const char* inherited : kInherited) {
        environment_.erase(inherited);
    }
    for (const char* name : {"runtime", "config", "cache", "data", "home"}) {
        std::filesystem::create_directories(folder_ / name);
    }
    std::filesystem::permissions(folder_ / "runtime", std::filesystem::perms::owner_all);
    environment_["XDG_RUNTIME_DIR"] = (folder_ / "runtime").string();
    environment_["XDG_CONFIG_HOME"] = (folder_ / "config").string();
    environment_["XDG_CACHE_HOME"] = (folder_ / "cache").string();
    environment_["XDG_DATA_HOME"] = (folder_ / "data").string();
    environment_["HOME"] = (folder_ / "home").string();
    environment_["GSETTINGS_BACKEND"] = "memory";
    environment_["NO_AT_BRIDGE"] = "0";
    environment_["QT_QPA_PLATFORM"] = "xcb";
    environment_["SDL_VIDEODRIVER"] = "dummy";

    if ((options.sessionBus && !startSessionBus(options.serviceActivation)) ||
        !startXServer(options.size, options.xtest)) {
        return;
    }
    if (options.accessibility && !startAccessibilityBus()) {
        return;
    }
    if (options.windowManager && !startWindowManager()) {
        return;
    }
    if (options.tray && !startTray()) {
        error_ = "the tray host did not take the tray";
    }
}

PrivateDesktop::~PrivateDesktop() {
    tray_.reset();
    windowManager_.reset();
    accessibilityBus_.reset();
    xServer_.reset();
    sessionBus_.reset();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

std::unique_ptr<ChildProcess> PrivateDesktop::start(const std::string& name,
                                                    const std::vector<std::string>& argv) {
    auto child = std::make_unique<ChildProcess>(argv, environment_, folder_ / (name + ".log"));
    if (!child->started()) {
        error_ = "cannot run " + argv.front();
    }
    return child;
}

bool PrivateDesktop::startSessionBus(bool serviceActivation) {
    std::vector<std::string> command = {"dbus-daemon", "--nofork", "--nopidfile",
                                        "--print-address=1"};
    if (serviceActivation) {
        command.push_back("--session");
    } else {
        // The session bus's usual rules without its service folders.
        std::filesystem::path config = folder_ / "session-bus.conf";
        std::ofstream(config) << R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
        command.push_back("--config-file=" + config.string());
    }
    sessionBus_ = start("session-bus", command);
    std::string address;
    pollUntil(
        [&] {
            address = findLine(sessionBus_->output(),
                               [](const std::string& line) { return line.starts_with("unix:"); });
            return !address.empty() || !sessionBus_->running();
        },
        milliseconds(5000));
    if (address.empty()) {
        error_ = "the session bus did not start: " + sessionBus_->output();
        return false;
    }
    environment_["DBUS_SESSION_BUS_ADDRESS"] = address;
    return true;
}

bool PrivateDesktop::startXServer(const std::string& size, bool xtest) {
    // -displayfd: the server picks a free display number itself and writes it out.
    // -noreset: it must not reset when its last client leaves.
    xServer_ = start(
        "xvfb", {"Xvfb", "-displayfd", "1", "-screen", "0", size + "x24", "-nolisten", "tcp",
                 "-noreset", xtest ? "+extension" : "-extension", "XTEST", "+extension", "RANDR"});
    std::string number;
    pollUntil(
        [&] {
            number = findLine(xServer_->output(), [](const std::string& line) {
                return !line.empty() && line.find_first_not_of("0123456789") == std::string::npos;
            });
            return !number.empty() || !xServer_->running();
        },
        milliseconds(10000));
    if (number.empty()) {
        error_ = "Xvfb did not start: " + xServer_->output();
        return false;
    }
    display_ = ":" + number;
    environment_["DISPLAY"] = display_;
    if (!pollUntil([&] { return askDisplay(display_, [](Display*) { return true; }); },
                   milliseconds(10000))) {
        error_ = "Xvfb does not answer on " + display_;
        return false;
    }
    return true;
}

bool PrivateDesktop::startAccessibilityBus() {
    accessibilityBus_ =
        start("atspi", {"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"});
    std::vector<std::string> getAddress = {
        "gdbus",         "call",         "--session",
        "--dest",        "org.a11y.Bus", "--object-path",
        "/org/a11y/bus", "--method",     "org.a11y.Bus.GetAddress"};
    if (!pollUntil([&] { return runToCompletion(getAddress, environment_, milliseconds(2000)); },
                   milliseconds(10000))) {
        error_ = "the accessibility bus did not start: " + accessibilityBus_->output();
        return false;
    }
    // Enabled before any application starts, as a desktop with accessibility switched on.
    runToCompletion({"gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                     "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                     "org.a11y.Status", "IsEnabled", "<true>"},
                    environment_);
    return true;
}

bool PrivateDesktop::startWindowManager() {
    windowManager_ = start("openbox", {"openbox", "--sm-disable"});
    if (!pollUntil([&] { return selectionOwned(display_, "WM_S0"); }, milliseconds(10000))) {
        error_ = "the window manager did not start: " + windowManager_->output();
        return false;
    }
    return true;
}

bool PrivateDesktop::startTray() {
    tray_ = start("trayer", {"trayer", "--edge", "top", "--align", "right", "--widthtype",
                             "request", "--height", "24"});
    return pollUntil([&] { return selectionOwned(display_, "_NET_SYSTEM_TRAY_S0"); },
                     milliseconds(10000));
}

void PrivateDesktop::stopTray() {
    tray_.reset();
    pollUntil([&] { return !selectionOwned(display_, "_NET_SYSTEM_TRAY_S0"); }, milliseconds(5000));
}

void PrivateDesktop::stopXServer() {
    xServer_.reset();
}

void PrivateDesktop::stopAccessibilityBus() {
    accessibilityBus_.reset();
}

void PrivateDesktop::adoptEnvironment() const {
    for (const char* name : kInherited) {
        unsetenv(name);
    }
    for (const auto& [name, value] : environment_) {
        setenv(name.c_str(), value.c_str(), 1);
    }
}

}  // namespace joyvane::testing
