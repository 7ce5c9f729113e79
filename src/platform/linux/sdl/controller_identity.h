#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/controller_service.h"

namespace joyvane::linux_input {

// How a controller presents itself to the engine: its family name, maker and input profile.
struct ControllerIdentity {
    std::string productCategory;
    std::optional<std::string> vendorName;
    PhysicalProfile profile = PhysicalProfile::other;
};

// `profile` is the family the controller service recognised; `name` is its own product name.
// PlayStation pads are named by family ("DualSense", "DualShock 4"); other pads take their
// product name as category ("Gamepad" without one) and their maker from the USB vendor table,
// falling back to the product name.
ControllerIdentity identifyController(PhysicalProfile profile, std::uint16_t vendorId,
                                      const std::optional<std::string>& name);

}  // namespace joyvane::linux_input
