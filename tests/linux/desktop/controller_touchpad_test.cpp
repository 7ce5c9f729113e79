#include <gtest/gtest.h>

#include "platform/linux/desktop/controller_touchpad.h"

namespace joyvane::linux_desktop {
namespace {

TEST(ControllerTouchpadName, OnlyTheTouchpadOfEveryModelOverUsbAndBluetooth) {
    for (const char* name : {
             "Sony Interactive Entertainment DualSense Wireless Controller Touchpad",  // USB
             "DualSense Edge Wireless Controller Touchpad",                            // Bluetooth
             "Sony Computer Entertainment Wireless Controller Touchpad",  // DualShock 4 v1
             "Wireless Controller Touchpad",                              // DualShock 4 over BT
             "Sony Interactive Entertainment DUALSHOCK®4 USB Wireless Adaptor Touchpad",
         }) {
        EXPECT_TRUE(isControllerTouchpadName(name)) << name;
    }
    // Every other device is left alone: the gamepad and its motion sensors, a laptop touchpad,
    // a copy of a touchpad name, and names that only end like one.
    for (const char* name : {
             "Sony Interactive Entertainment DualSense Wireless Controller",  // the gamepad
             "Sony Interactive Entertainment DualSense Wireless Controller Motion Sensors",
             "SynPS/2 Synaptics TouchPad",
             "ELAN0712:00 04F3:30FD Touchpad",
             "Sony Interactive Entertainment DualSense Wireless Controller Touchpad (copy)",
             "",
             " Touchpad",
             "Touchpad",
         }) {
        EXPECT_FALSE(isControllerTouchpadName(name)) << name;
    }
}

}  // namespace
}  // namespace joyvane::linux_desktop
