#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace joyvane::linux_input {

// The maker of a game controller from its USB vendor id; absent for makers not in the table.
std::optional<std::string> usbVendorName(std::uint16_t vendorId);

}  // namespace joyvane::linux_input
