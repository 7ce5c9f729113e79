#pragma once

#include <string_view>

namespace joyvane::linux_desktop {

// True for the name the kernel gives a PlayStation controller's touchpad input device: the
// controller's HID name followed by " Touchpad". Over USB the HID name carries the maker
// ("Sony Interactive Entertainment DualSense Wireless Controller", "Sony Computer
// Entertainment Wireless Controller" for the first DualShock 4, "Sony Interactive
// Entertainment DUALSHOCK®4 USB Wireless Adaptor"); over Bluetooth it is the bare product name
// ("DualSense Wireless Controller", "Wireless Controller"). The gamepad, the motion sensors and
// every other touchpad or controller are left alone.
bool isControllerTouchpadName(std::string_view name);

}  // namespace joyvane::linux_desktop
