#include "app/device_access_monitor.h"

namespace joyvane::app {

using linux_desktop::DeviceAccessReport;

DeviceAccessMonitor::DeviceAccessMonitor(ControllerService& controllers, Probe probe, Say say,
                                         std::string program)
    : probe_(std::move(probe)), say_(std::move(say)), program_(std::move(program)) {
    auto onChange = [this](const std::shared_ptr<Controller>&) { checkAgain(); };
    subscriptions_.push_back(controllers.onDidConnect(onChange));
    subscriptions_.push_back(controllers.onDidDisconnect(onChange));
    checkAgain();
}

void DeviceAccessMonitor::checkAgain() {
    DeviceAccessReport fresh = probe_();
    if (!told_ && !fresh.blocked().empty()) {
        told_ = true;
        say_(accessWarning(fresh, fixCommand(fresh)));
    }
    report = std::move(fresh);
}

std::string DeviceAccessMonitor::fixCommand(const DeviceAccessReport& current) const {
    return linux_desktop::accessFixCommand(current, program_);
}

std::string accessWarning(const DeviceAccessReport& report, const std::string& command) {
    std::string names;
    for (const auto* controller : report.blocked()) {
        names += (names.empty() ? "" : ", ") + controller->model + " over " +
                 std::string(linux_desktop::busName(controller->bus)) + " (" + controller->node +
                 ")";
    }
    return "cannot open the controller's hidraw node for " + names +
           ": its touchpad and exact battery level will not work; to fix it run: " + command +
           ", then plug the controller in again.";
}

}  // namespace joyvane::app
