#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace joyvane::linux_desktop {

// The bus and USB ids of a HID device, from the HID_ID=BUS:VENDOR:PRODUCT line (hexadecimal,
// such as 0003:0000054C:00000CE6) of its sysfs uevent file.
struct HidId {
    std::uint32_t bus = 0;
    std::uint32_t vendor = 0;
    std::uint32_t product = 0;
};

inline constexpr std::uint32_t kHidBusUsb = 0x03;
inline constexpr std::uint32_t kHidBusBluetooth = 0x05;

// Nothing when the file is missing or its HID_ID line is absent or malformed.
std::optional<HidId> readHidId(const std::filesystem::path& device);

}  // namespace joyvane::linux_desktop
