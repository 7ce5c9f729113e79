#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/controller_service.h"

namespace joyvane::linux_input {

// Reads a controller's battery from the kernel's power supplies (class/power_supply below the
// sysfs root). A supply belongs to the controller when its device is the controller's device
// node's device or one of its ancestors; it must report a whole-number capacity from 0 to 100.
// Anything missing or malformed reads as no battery.
class PowerSupplyReader {
  public:
    explicit PowerSupplyReader(std::filesystem::path sysfsRoot = "/sys");

    // `devicePath` is the controller's device node as SDL names it, such as /dev/input/event5
    // or /dev/hidraw2.
    std::optional<BatteryReading> read(const std::string& devicePath) const;

  private:
    std::optional<std::filesystem::path> deviceOfNode(const std::string& devicePath) const;

    std::filesystem::path root_;
};

// The text of a power supply's `capacity` and `status` files as a reading; absent when the
// capacity is not a whole number from 0 to 100.
std::optional<BatteryReading> parsePowerSupply(const std::string& capacity,
                                               const std::string& status);

}  // namespace joyvane::linux_input
