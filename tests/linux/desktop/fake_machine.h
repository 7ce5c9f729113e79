#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "temp_folder.h"

namespace joyvane::testing {

// A machine's sys and dev folders below a temporary folder, shaped like the kernel's: each
// device's folder below sys/devices, with the HID bus and the hidraw, input and power-supply
// classes linking to it. Everything is readable by everyone, whatever the umask the tests were
// started with.
class FakeMachine {
  public:
    FakeMachine() : umask_(::umask(022)) {
        std::filesystem::permissions(tree.path(), std::filesystem::perms(0755));
    }
    ~FakeMachine() { ::umask(umask_); }

    std::filesystem::path sys() const { return tree.path() / "sys"; }

    // A HID device `name` whose uevent carries `hidId`: below a USB device with this bcdDevice
    // text, or, without one, below a virtual device as over Bluetooth. Returns its folder.
    std::filesystem::path hid(const std::string& name, const std::string& hidId,
                              const std::string& bcdDevice = "") const {
        std::filesystem::path parent = "sys/devices/virtual/misc/uhid";
        if (!bcdDevice.empty()) {
            parent = std::filesystem::path("sys/devices/pci0000:00/usb1") / ("1-" + name);
            tree.write(parent / "bcdDevice", bcdDevice);
            parent /= "1-" + name + ":1.3";
        }
        const std::string uevent = "DRIVER=playstation\nHID_ID=" + hidId + "\nHID_NAME=Pad\n";
        const auto device = tree.write(parent / name / "uevent", uevent).parent_path();
        link(device, "sys/bus/hid/devices/" + name);
        return device;
    }
    // `device`'s hidraw node, read-write for everyone or for no one.
    void hidraw(const std::filesystem::path& device, const std::string& node, bool readWrite) const {
        link(device, "sys/class/hidraw/" + node + "/device");
        this->node(node, readWrite);
    }
    void node(const std::string& name, bool readWrite) const {
        const auto node = tree.write(std::filesystem::path("dev") / name, "");
        std::filesystem::permissions(node, std::filesystem::perms(readWrite ? 0666 : 0));
    }
    // A power supply of `device`, listed in its class; returns its folder.
    std::filesystem::path supply(const std::filesystem::path& device, const std::string& name,
                                 const std::string& capacity, const std::string& status = "",
                                 const std::string& type = "Battery") const {
        const auto supply = device / "power_supply" / name;
        tree.write(supply / "type", type + "\n");
        tree.write(supply / "capacity", capacity);
        tree.write(supply / "status", status);
        link(device, supply / "device");
        link(supply, "sys/class/power_supply/" + name);
        return supply;
    }
    // A symbolic link at `at`, below the machine unless absolute, to `target`.
    void link(const std::filesystem::path& target, const std::filesystem::path& at) const {
        std::filesystem::create_directories((tree.path() / at).parent_path());
        std::filesystem::create_directory_symlink(target, tree.path() / at);
    }

    mode_t umask_;
    TempFolder tree;
};

}  // namespace joyvane::testing
