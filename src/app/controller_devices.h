#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/device_access_monitor.h"
#include "app/touchpad_ownership.h"
#include "platform/linux/x11/touchpad_owner.h"
#include "platform/linux/x11/xinput_devices.h"

namespace joyvane::ui {
class ContentView;
class DeviceAccessBanner;
}  // namespace joyvane::ui

namespace joyvane::app {

// What a real PlayStation controller needs from this machine beyond SDL: access to its hidraw
// node (checked and shown in the main panel's banner) and a touchpad that only one program
// turns into pointer motion. Devices a crashed run left switched off are given back first.
class ControllerDevices {
  public:
    ControllerDevices(ControllerManager& manager, ControllerService& controllers,
                      Scheduler& scheduler, std::shared_ptr<x11::X11Connection> connection,
                      ui::ContentView& panel, DeviceAccessMonitor::Say say);
    ~ControllerDevices();

    // Switches the controller touchpads it took on again. Called on the way out, also when the
    // program ends on a signal; destruction does it too.
    void giveBackTouchpads();

  private:
    x11::XInputDevices inputDevices_;
    x11::TouchpadOwner touchpadOwner_;
    TouchpadOwnership ownership_;
    DeviceAccessMonitor access_;
    ui::DeviceAccessBanner* banner_;
    Subscription reportSubscription_;
};

}  // namespace joyvane::app
