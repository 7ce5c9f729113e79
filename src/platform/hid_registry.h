#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace joyvane {

// A device property as the registry holds it: a number or a string.
using HidProperty = std::variant<std::int64_t, std::string>;

struct HidDevice {
    std::map<std::string, HidProperty> properties;  // "VersionNumber", "FirmwareVersion", ...
};

// The system's HID devices. Blocking: called off the main thread only.
class HidRegistry {
public:
    virtual ~HidRegistry() = default;
    virtual std::vector<HidDevice> devicesOfVendor(std::uint16_t vendorId) const = 0;
};

}  // namespace joyvane
