#pragma once

#include <functional>
#include <string>

#include "core/published.h"
#include "core/signal.h"
#include "platform/controller_service.h"
#include "platform/linux/desktop/device_access.h"

namespace joyvane::app {

// Keeps what the program can reach of the attached PlayStation controllers up to date: probed
// at start, whenever a controller connects or leaves, and when the person asks to check again.
// The first time a controller turns out to be out of reach, one line on standard error says
// which, and the command that fixes it.
class DeviceAccessMonitor {
  public:
    using Probe = std::function<linux_desktop::DeviceAccessReport()>;
    using Say = std::function<void(const std::string&)>;

    // `program`: how the fix command names this program.
    DeviceAccessMonitor(ControllerService& controllers, Probe probe, Say say, std::string program);

    Published<linux_desktop::DeviceAccessReport> report;

    void checkAgain();
    // The command that fixes what `report` lacks.
    std::string fixCommand(const linux_desktop::DeviceAccessReport& report) const;

  private:
    Probe probe_;
    Say say_;
    std::string program_;
    bool told_ = false;
    std::vector<Subscription> subscriptions_;
};

// One sentence naming the controllers out of reach and the command that fixes it.
std::string accessWarning(const linux_desktop::DeviceAccessReport& report,
                          const std::string& command);

}  // namespace joyvane::app
