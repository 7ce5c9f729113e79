#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace joyvane::linux_desktop {

enum class HidBus { usb, bluetooth, other };

// One PlayStation controller's hidraw node, and what the program can do with it.
struct ControllerAccess {
    std::string model;  // "DualSense", "DualSense Edge", "DualShock 4", "DualShock 4 USB adaptor"
    HidBus bus = HidBus::other;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::string node;  // the device node, such as /dev/hidraw3
    bool readWrite = false;
    std::optional<std::string> touchpad;     // the name of its touchpad input device
    std::optional<std::string> powerSupply;  // the kernel power supply of its battery
    friend bool operator==(const ControllerAccess&, const ControllerAccess&) = default;
};

// What the program can reach on this machine for the controllers SDL drives through hidraw.
struct DeviceAccessReport {
    std::vector<ControllerAccess> controllers;  // in the order of the hidraw nodes
    bool rulesInstalled = false;                // 70-joyvane.rules is in a udev rules folder
    bool uinputWritable = false;

    // The controllers whose touchpad, sensors and exact battery cannot be read.
    std::vector<const ControllerAccess*> blocked() const;
    bool operator==(const DeviceAccessReport&) const = default;
};

// The model of a PlayStation controller with a touchpad, from its USB ids; nothing for any
// other device.
std::optional<std::string_view> playStationModel(std::uint16_t vendor, std::uint16_t product);

// Reads <root>/sys/class/hidraw/*/device (the HID device: its uevent's HID_ID, its input
// devices and power supplies) and checks <root>/dev/hidrawN for read and write access as this
// process. `root` is "/" on a real machine; tests point it at a fake tree.
DeviceAccessReport probeDeviceAccess(const std::filesystem::path& root = "/");

// "USB", "Bluetooth" or "other bus".
std::string_view busName(HidBus bus);

// The one shell command that gives the person at the seat access: reloading the rules when they
// are installed, otherwise writing them out with `program --udev-rules` first.
std::string accessFixCommand(const DeviceAccessReport& report, std::string_view program);

// The text of 70-joyvane.rules, as installed with the package.
std::string_view udevRulesText();

}  // namespace joyvane::linux_desktop
