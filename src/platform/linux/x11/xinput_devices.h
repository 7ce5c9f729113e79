#pragma once

#include <memory>

#include "platform/linux/x11/touchpad_owner.h"
#include "platform/linux/x11/x11_connection.h"

namespace joyvane::x11 {

// Input devices through the X Input Extension 2 on the program's X connection: the slave
// pointers, switched with their "Device Enabled" property. Without the extension, or once the
// connection is lost, there are no devices.
class XInputDevices final : public InputDeviceSwitch {
  public:
    explicit XInputDevices(std::shared_ptr<X11Connection> connection);
    std::vector<InputDevice> devices() override;
    bool setEnabled(int id, bool enabled) override;

  private:
    std::shared_ptr<X11Connection> connection_;
    bool available_ = false;
    unsigned long enabledAtom_ = 0;
};

}  // namespace joyvane::x11
