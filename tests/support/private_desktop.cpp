#include "support/private_desktop.h"

#include <stdlib.h>
#include <unistd.h>

#include <functional>
#include <regex>

#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

using std::chrono::milliseconds;

// What a desktop of the test's own must not inherit from the one the test runs on.
constexpr const char* kInherited[] = {
    "DISPLAY",         "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS",
    "SESSION_MANAGER", "WAYLAND_DISPLAY",          "XAUTHORITY"};

// The first group of `pattern`'s first match in `text`, which `^` and `$` read by line.
std::string firstMatch(const std::string& text, const char* pattern) {
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern, std::regex::multiline))
               ? match[1].str()
               : "";
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
    for (auto [variable, name] : {std::pair{"XDG_RUNTIME_DIR", "runtime"},
                                  {"XDG_CONFIG_HOME", "config"},
                                  {"XDG_CACHE_HOME", "cache"},
                                  {"XDG_DATA_HOME", "data"},
                                  {"HOME", "home"}}) {
        std::filesystem::create_directories(folder_ / name);
        environment_[variable] = (folder_ / name).string();
    }
    std::filesystem::permissions(folder_ / "runtime", std::filesystem::perms::owner_all);
    environment_["GSETTINGS_BACKEND"] = "memory";
    environment_["NO_AT_BRIDGE"] = "0";
    environment_["QT_QPA_PLATFORM"] = "xcb";
    environment_["SDL_VIDEODRIVER"] = "dummy";

    if (options.onlyXServer) {
        startXServer(options.size, options.xtest);
    } else if (startSessionBus(options.serviceActivation) &&
               startXServer(options.size, options.xtest) && startAccessibilityBus() &&
               startService(windowManager_, {"openbox", "--sm-disable"},
                            [&] { return selectionOwned(display_, "WM_S0"); }) &&
               options.tray) {
        startTray();
    }
}

PrivateDesktop::~PrivateDesktop() {
    for (auto* service : {&tray_, &windowManager_, &accessibilityBus_, &xServer_, &sessionBus_}) {
        service->reset();  // in this order, and before their folder goes
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

bool PrivateDesktop::startService(std::unique_ptr<ChildProcess>& service,
                                  const std::vector<std::string>& argv,
                                  const std::function<bool()>& ready) {
    const std::string name = std::filesystem::path(argv[0]).filename();
    service = std::make_unique<ChildProcess>(argv, environment_, folder_ / (name + ".log"));
    pollUntil([&] { return ready() || !service->running(); }, milliseconds(10000));
    bool started = ready();
    if (!started) {
        error_ = name + " did not start: " + service->output();
    }
    return started;
}

bool PrivateDesktop::startSessionBus(bool serviceActivation) {
    std::vector<std::string> command = {
        "dbus-daemon", "--nofork", "--nopidfile", "--print-address=1",
        serviceActivation ? "--session" : "--config-file=" JOYVANE_SESSION_BUS_WITHOUT_ACTIVATION};
    std::string address;
    if (!startService(sessionBus_, command, [&] {
            address = firstMatch(sessionBus_->output(), "^(unix:.*)$");
            return !address.empty();
        })) {
        return false;
    }
    environment_["DBUS_SESSION_BUS_ADDRESS"] = address;
    return true;
}

bool PrivateDesktop::startXServer(const std::string& size, bool xtest) {
    // -displayfd: the server picks a free display number itself and writes it out.
    // -noreset: it must not reset when its last client leaves.
    std::vector<std::string> command = {
        "Xvfb",       "-displayfd", "1",    "-screen",  "0",
        size + "x24", "-nolisten",  "tcp",  "-noreset", xtest ? "+extension" : "-extension",
        "XTEST",      "+extension", "RANDR"};
    if (!startService(xServer_, command, [&] {
            display_ = ":" + firstMatch(xServer_->output(), "^([0-9]+)$");
            return display_ != ":" && pointerPosition(display_);
        })) {
        return false;
    }
    environment_["DISPLAY"] = display_;
    return true;
}

bool PrivateDesktop::startAccessibilityBus() {
    auto call = [&](const std::vector<std::string>& method) {
        std::vector<std::string> command = {"gdbus",         "call",         "--session",
                                            "--dest",        "org.a11y.Bus", "--object-path",
                                            "/org/a11y/bus", "--method"};
        command.insert(command.end(), method.begin(), method.end());
        return runToCompletion(command, environment_, milliseconds(2000));
    };
    if (!startService(accessibilityBus_,
                      {"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"},
                      [&] { return call({"org.a11y.Bus.GetAddress"}); })) {
        return false;
    }
    // Enabled before any application starts, as a desktop with accessibility switched on.
    call({"org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled", "<true>"});
    return true;
}

bool PrivateDesktop::startTray() {
    return startService(
        tray_,
        {"trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24"},
        [&] { return selectionOwned(display_, "_NET_SYSTEM_TRAY_S0"); });
}

void PrivateDesktop::stopTray() {
    tray_.reset();
    pollUntil([&] { return !selectionOwned(display_, "_NET_SYSTEM_TRAY_S0"); }, milliseconds(5000));
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
