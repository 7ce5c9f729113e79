#pragma once

#include <filesystem>

#include "platform/hid_registry.h"

namespace joyvane::linux_desktop {

// HID devices as the kernel lists them under <sysfs>/bus/hid/devices, matched by the vendor of
// the HID_ID line of each device's uevent (bus:vendor:product, in hexadecimal).
//
// Properties of each device (absent when the kernel does not expose them or their text is
// malformed):
//   "VendorID", "ProductID"  from HID_ID;
//   "VersionNumber"  the HID device's version: the id/version of its input device, which the
//                    kernel fills from the HID descriptor (the USB bcdDevice over USB, the
//                    Device ID version over Bluetooth), read as the number it encodes;
//   "FirmwareVersion" the driver's firmware_version attribute (hid-playstation has one), as the
//                    driver writes it; a zero value, written before the driver learnt the
//                    version, counts as absent;
//   "bcdDevice"      the bcdDevice of the USB device above the HID device, as a number.
// Devices come in the order of their sysfs names.
class SysfsHidRegistry final : public HidRegistry {
  public:
    explicit SysfsHidRegistry(std::filesystem::path sysfsRoot = "/sys");
    std::vector<HidDevice> devicesOfVendor(std::uint16_t vendorId) const override;

  private:
    std::filesystem::path root_;
};

}  // namespace joyvane::linux_desktop
