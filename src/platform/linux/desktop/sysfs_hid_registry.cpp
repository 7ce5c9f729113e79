#include "platform/linux/desktop/sysfs_hid_registry.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/hid_id.h"
#include "platform/linux/desktop/sysfs_text.h"
#include "platform/linux/folder_entries.h"

namespace joyvane::linux_desktop {

namespace fs = std::filesystem;

namespace {

std::optional<std::uint32_t> hexFile(const fs::path& file) {
    auto text = readWholeFile(file);
    return text ? parseHex(*text) : std::nullopt;
}

// The version of the first input device the HID device created.
std::optional<std::uint32_t> inputVersionOf(const fs::path& device) {
    for (const auto& input : linux_common::folderEntries(device / "input")) {
        if (auto version = hexFile(input / "id" / "version")) {
            return version;
        }
    }
    return std::nullopt;
}

// The USB device is the nearest folder above the HID device with a bcdDevice attribute; a
// Bluetooth controller has none.
std::optional<std::uint32_t> usbBcdDeviceOf(const fs::path& device, const fs::path& root) {
    std::error_code error;
    fs::path real = fs::canonical(device, error);
    fs::path top = fs::canonical(root, error);
    if (error) {
        return std::nullopt;
    }
    for (fs::path folder = real.parent_path();
         folder != folder.root_path() && folder != top && folder.string().starts_with(top.string());
         folder = folder.parent_path()) {
        if (fs::exists(folder / "bcdDevice", error)) {
            return hexFile(folder / "bcdDevice");
        }
    }
    return std::nullopt;
}

std::optional<std::string> firmwareVersionOf(const fs::path& device) {
    auto text = readWholeFile(device / "firmware_version");
    if (!text) {
        return std::nullopt;
    }
    std::string value(trimmed(*text));
    if (value.empty() || parseHex(value) == 0u) {
        return std::nullopt;
    }
    return value;
}

HidDevice describe(const fs::path& device, const HidId& id, const fs::path& root) {
    HidDevice out;
    out.properties["VendorID"] = std::int64_t{id.vendor};
    out.properties["ProductID"] = std::int64_t{id.product};
    if (auto version = inputVersionOf(device)) {
        out.properties["VersionNumber"] = std::int64_t{*version};
    }
    if (auto firmware = firmwareVersionOf(device)) {
        out.properties["FirmwareVersion"] = *firmware;
    }
    if (auto bcd = usbBcdDeviceOf(device, root)) {
        out.properties["bcdDevice"] = std::int64_t{*bcd};
    }
    return out;
}

}  // namespace

SysfsHidRegistry::SysfsHidRegistry(fs::path sysfsRoot) : root_(std::move(sysfsRoot)) {}

std::vector<HidDevice> SysfsHidRegistry::devicesOfVendor(std::uint16_t vendorId) const {
    std::vector<HidDevice> out;
    for (const auto& device : linux_common::folderEntries(root_ / "bus" / "hid" / "devices")) {
        auto id = readHidId(device);
        if (id && id->vendor == vendorId) {
            out.push_back(describe(device, *id, root_));
        }
    }
    return out;
}

}  // namespace joyvane::linux_desktop
