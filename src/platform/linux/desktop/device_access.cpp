#include "platform/linux/desktop/device_access.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <system_error>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/controller_touchpad.h"
#include "platform/linux/desktop/hid_id.h"
#include "platform/linux/desktop/sysfs_text.h"
#include "platform/linux/folder_entries.h"

namespace joyvane::linux_desktop {

namespace fs = std::filesystem;

namespace {

constexpr std::uint16_t kSony = 0x054c;

struct HidIdentity {
    HidBus bus = HidBus::other;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
};

std::optional<HidIdentity> identityOf(const fs::path& device) {
    auto id = readHidId(device);
    if (!id || id->vendor > 0xffff || id->product > 0xffff) {
        return std::nullopt;
    }
    return HidIdentity{id->bus == kHidBusUsb         ? HidBus::usb
                       : id->bus == kHidBusBluetooth ? HidBus::bluetooth
                                                     : HidBus::other,
                       static_cast<std::uint16_t>(id->vendor),
                       static_cast<std::uint16_t>(id->product)};
}

std::optional<std::string> touchpadOf(const fs::path& device) {
    for (const auto& input : linux_common::folderEntries(device / "input")) {
        if (auto name = readWholeFile(input / "name")) {
            std::string trimmedName(trimmed(*name));
            if (isControllerTouchpadName(trimmedName)) {
                return trimmedName;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> powerSupplyOf(const fs::path& device) {
    auto supplies = linux_common::folderEntries(device / "power_supply");
    if (supplies.empty()) {
        return std::nullopt;
    }
    return supplies.front().filename().string();
}

// The word as the shell reads it back: quoted when it holds anything beyond a plain path.
std::string shellWord(std::string_view word) {
    const bool plain = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '.' || c == '_' ||
               c == '-' || c == '+';
    });
    if (plain) {
        return std::string(word);
    }
    std::string quoted = "'";
    for (char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

bool canReadWrite(const fs::path& node) {
    return ::access(node.c_str(), R_OK | W_OK) == 0;
}

}  // namespace

std::optional<std::string_view> playStationModel(std::uint16_t vendor, std::uint16_t product) {
    if (vendor != kSony) {
        return std::nullopt;
    }
    switch (product) {
        case 0x05c4:
        case 0x09cc:
            return "DualShock 4";
        case 0x0ba0:
            return "DualShock 4 USB adaptor";
        case 0x0ce6:
            return "DualSense";
        case 0x0df2:
            return "DualSense Edge";
        default:
            return std::nullopt;
    }
}

std::vector<const ControllerAccess*> DeviceAccessReport::blocked() const {
    std::vector<const ControllerAccess*> out;
    for (const auto& controller : controllers) {
        if (!controller.readWrite) {
            out.push_back(&controller);
        }
    }
    return out;
}

DeviceAccessReport probeDeviceAccess(const fs::path& root) {
    DeviceAccessReport report;
    for (const auto& hidraw : linux_common::folderEntries(root / "sys/class/hidraw")) {
        const fs::path device = hidraw / "device";
        auto id = identityOf(device);
        if (!id) {
            continue;
        }
        auto model = playStationModel(id->vendor, id->product);
        if (!model) {
            continue;
        }
        ControllerAccess access;
        access.model = *model;
        access.bus = id->bus;
        access.vendor = id->vendor;
        access.product = id->product;
        access.node = "/dev/" + hidraw.filename().string();
        access.readWrite = canReadWrite(root / "dev" / hidraw.filename());
        access.touchpad = touchpadOf(device);
        access.powerSupply = powerSupplyOf(device);
        report.controllers.push_back(std::move(access));
    }
    std::error_code error;
    for (const char* folder : {"etc/udev/rules.d", "usr/lib/udev/rules.d", "lib/udev/rules.d",
                               "usr/local/lib/udev/rules.d"}) {
        report.rulesInstalled =
            report.rulesInstalled || fs::exists(root / folder / "70-joyvane.rules", error);
    }
    report.uinputWritable = canReadWrite(root / "dev/uinput");
    return report;
}

std::string_view busName(HidBus bus) {
    switch (bus) {
        case HidBus::usb:
            return "USB";
        case HidBus::bluetooth:
            return "Bluetooth";
        case HidBus::other:
            break;
    }
    return "other bus";
}

std::string accessFixCommand(const DeviceAccessReport& report, std::string_view program) {
    const std::string reload = "sudo udevadm control --reload-rules && sudo udevadm trigger";
    if (report.rulesInstalled) {
        return reload;
    }
    return shellWord(program) +
           " --udev-rules | sudo tee /etc/udev/rules.d/70-joyvane.rules >/dev/null && " + reload;
}

}  // namespace joyvane::linux_desktop
