#pragma once

#include <string>
#include <vector>

#include "platform/linux/x11/touchpad_owner.h"

namespace joyvane::testing {

// The X server's input devices in memory, for tests of what switches a touchpad off and on: it
// records every switch it is asked for and counts the device listings.
class RecordingInputSwitch : public x11::InputDeviceSwitch {
  public:
    std::vector<x11::InputDevice> list;
    std::vector<std::string> calls;  // "off 13", "on 13"
    int queries = 0;
    bool refuse = false;

    std::vector<x11::InputDevice> devices() override {
        ++queries;
        return list;
    }
    bool setEnabled(int id, bool enabled) override {
        calls.push_back((enabled ? "on " : "off ") + std::to_string(id));
        for (x11::InputDevice& device : list) {
            if (device.id == id && !refuse) {
                device.enabled = enabled;
                return true;
            }
        }
        return false;
    }
    // The ids of the devices that are off.
    std::vector<int> switchedOff() const {
        std::vector<int> off;
        for (const x11::InputDevice& device : list) {
            if (!device.enabled) {
                off.push_back(device.id);
            }
        }
        return off;
    }
};

}  // namespace joyvane::testing
