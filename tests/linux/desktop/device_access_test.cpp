#include <gtest/gtest.h>
#include <unistd.h>

#include "fake_machine.h"
#include "platform/linux/desktop/device_access.h"

namespace joyvane::linux_desktop {
namespace {

namespace fs = std::filesystem;
using joyvane::testing::FakeMachine;

// The probe as an ordinary user would run it: root may read and write every file, so as root it
// runs as "nobody" (the saved id lets it become root again).
DeviceAccessReport probe(const FakeMachine& machine) {
    const bool root = ::geteuid() == 0;
    EXPECT_TRUE(!root || ::setresuid(65534, 65534, 0) == 0);
    DeviceAccessReport report = probeDeviceAccess(machine.tree.path());
    EXPECT_TRUE(!root || ::setresuid(0, 0, 0) == 0);
    return report;
}

TEST(DeviceAccess, ReadableAndUnreadableNodesOverUsbAndBluetooth) {
    FakeMachine machine;
    const std::string dualSenseTouchpad =
        "Sony Interactive Entertainment DualSense Wireless Controller Touchpad";
    auto controller = [&](const std::string& node, const std::string& hidId, bool readWrite,
                          const std::string& touchpad = "") {
        const fs::path device = machine.hid(node, hidId);
        machine.tree.write(device / "input/input20/name", "Sony Gamepad\n");
        if (!touchpad.empty()) {
            machine.tree.write(device / "input/input21/name", touchpad + "\n");
        }
        machine.hidraw(device, node, readWrite);
        return device;
    };
    machine.supply(controller("hidraw0", "0003:0000054C:00000CE6", true, dualSenseTouchpad),
                   "ps-controller-battery-aa:bb", "80\n");
    controller("hidraw1", "0005:0000054C:000009CC", false, "Wireless Controller Touchpad");
    controller("hidraw2", "0003:0000054C:00000DF2", false);
    controller("hidraw4", "0003:0000054C:00000BA0", false);
    // Not PlayStation controllers with a touchpad: an Xbox pad, another Sony device.
    controller("hidraw6", "0003:0000045E:00000B12", false);
    controller("hidraw7", "0003:0000054C:00000268", false);
    controller("hidraw8", "0003:0000054C:00000CE6", true);
    fs::remove(machine.tree.path() / "dev/hidraw8");  // a node missing from /dev is out of reach

    const DeviceAccessReport report = probe(machine);
    const std::vector<ControllerAccess> expected = {
        {"DualSense", HidBus::usb, 0x054c, 0x0ce6, "/dev/hidraw0", true, dualSenseTouchpad,
         "ps-controller-battery-aa:bb"},
        {"DualShock 4", HidBus::bluetooth, 0x054c, 0x09cc, "/dev/hidraw1", false,
         "Wireless Controller Touchpad", std::nullopt},
        {"DualSense Edge", HidBus::usb, 0x054c, 0x0df2, "/dev/hidraw2", false, {}, {}},
        {"DualShock 4 USB adaptor", HidBus::usb, 0x054c, 0x0ba0, "/dev/hidraw4", false, {}, {}},
        {"DualSense", HidBus::usb, 0x054c, 0x0ce6, "/dev/hidraw8", false, {}, {}},
    };
    EXPECT_EQ(report.controllers, expected);
    const auto blocked = report.blocked();
    ASSERT_EQ(blocked.size(), 4u);
    EXPECT_EQ(blocked[0]->node, "/dev/hidraw1");
    EXPECT_EQ(blocked[3]->node, "/dev/hidraw8");
}

// The rules in any of the udev folders, a writable uinput, and ids that are not whole.
TEST(DeviceAccess, RulesUinputAndMalformedOrMissingIdsAndTrees) {
    for (const char* folder : {"etc/udev/rules.d", "usr/lib/udev/rules.d", "lib/udev/rules.d"}) {
        FakeMachine machine;
        machine.tree.write(fs::path(folder) / "70-joyvane.rules", "# rules\n");
        machine.node("uinput", true);
        const auto report = probe(machine);
        EXPECT_TRUE(report.rulesInstalled) << folder;
        EXPECT_TRUE(report.uinputWritable) << folder;
    }
    FakeMachine machine;
    machine.tree.write("etc/udev/rules.d/60-other.rules", "# rules\n");
    machine.tree.write("sys/class/hidraw/hidraw0/device/uevent", "HID_ID=0003:0000054C\n");
    machine.tree.write("sys/class/hidraw/hidraw1/device/uevent", "HID_NAME=no id\n");
    machine.tree.write("sys/class/hidraw/hidraw2/device/uevent", "HID_ID=0003:1054C:00000CE6\n");
    machine.tree.write("sys/class/hidraw/hidraw3/uevent", "no device folder\n");
    const auto report = probe(machine);
    EXPECT_TRUE(report.controllers.empty());
    EXPECT_FALSE(report.rulesInstalled);

    const auto nothing = probeDeviceAccess("/nonexistent/joyvane");
    EXPECT_TRUE(nothing.controllers.empty());
    EXPECT_FALSE(nothing.rulesInstalled);
    EXPECT_FALSE(nothing.uinputWritable);
}

TEST(DeviceAccess, FixCommandInstallsTheRulesOrReloadsThem) {
    const std::string install =
        " --udev-rules | sudo tee /etc/udev/rules.d/70-joyvane.rules >/dev/null && ";
    const std::string reload = "sudo udevadm control --reload-rules && sudo udevadm trigger";
    DeviceAccessReport report;
    EXPECT_EQ(accessFixCommand(report, "/usr/bin/joyvane"), "/usr/bin/joyvane" + install + reload);
    EXPECT_EQ(accessFixCommand(report, "/home/dana/my build/joyvane's"),
              "'/home/dana/my build/joyvane'\\''s'" + install + reload);
    report.rulesInstalled = true;
    EXPECT_EQ(accessFixCommand(report, "/usr/bin/joyvane"), reload);
}

}  // namespace
}  // namespace joyvane::linux_desktop
