#include "platform/linux/sdl/power_supply.h"

#include <gtest/gtest.h>

#include "../desktop/temp_folder.h"

namespace joyvane::linux_input {
namespace {

namespace fs = std::filesystem;

// A miniature sysfs: a DualSense's input and hidraw nodes below one HID device, and a laptop
// battery elsewhere.
class PowerSupplyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(hid / "input/input7/event5");
        fs::create_directories(hid / "hidraw/hidraw2");
        fs::create_directories(root / "devices/LNXSYSTM:00/PNP0C0A:00");
        link(hid / "input/input7", root / "class/input/event5/device");
        link(hid, root / "class/hidraw/hidraw2/device");
    }

    static void link(const fs::path& target, const fs::path& at) {
        fs::create_directories(at.parent_path());
        fs::create_directory_symlink(target, at);
    }
    fs::path addSupply(const std::string& name, const fs::path& device, const std::string& capacity,
                       const std::string& status, const std::string& type = "Battery") {
        const fs::path supply = fs::path("class/power_supply") / name;
        sysfs.write(supply / "type", type + "\n");
        sysfs.write(supply / "capacity", capacity);
        sysfs.write(supply / "status", status);
        fs::create_directory_symlink(device, root / supply / "device");
        return supply;
    }

    joyvane::testing::TempFolder sysfs;
    const fs::path& root = sysfs.path();
    fs::path hid = root / "devices/pci0000:00/usb1/1-1/1-1:1.3/0003:054C:0CE6.0001";
};

TEST_F(PowerSupplyTest, OnlyTheControllersOwnWellFormedBatteryThroughEitherNode) {
    addSupply("BAT0", root / "devices/LNXSYSTM:00/PNP0C0A:00", "50", "Discharging");
    PowerSupplyReader reader(root);
    EXPECT_EQ(reader.read("/dev/input/event5"), std::nullopt);
    EXPECT_EQ(reader.read("/dev/input/event9"), std::nullopt);  // node unknown to sysfs
    EXPECT_EQ(reader.read(""), std::nullopt);
    EXPECT_EQ(PowerSupplyReader(root / "missing").read("/dev/input/event5"), std::nullopt);

    // Not batteries of the controller: a charger, and a battery that powers the system even
    // when it sits below the controller. A malformed capacity reads as absent.
    addSupply("usb-charger", hid, "40", "Charging", "USB");
    sysfs.write(addSupply("a-system-battery", hid, "30", "Discharging") / "scope", "System\n");
    fs::path supply = addSupply("ps-controller-battery-aa:bb", hid, "eighty", "Charging\n");
    EXPECT_EQ(reader.read("/dev/input/event5"), std::nullopt);
    sysfs.write(supply / "capacity", "100\n");
    for (const char* node : {"/dev/input/event5", "/dev/hidraw2"}) {
        EXPECT_EQ(reader.read(node), (BatteryReading{1.0f, BatteryState::charging})) << node;
    }
}

TEST(ParsePowerSupply, CapacityMustBeAWholePercentageAndStatusesAreKnownOrUnknown) {
    EXPECT_EQ(parsePowerSupply("0", "Discharging"),
              (BatteryReading{0.0f, BatteryState::discharging}));
    EXPECT_EQ(parsePowerSupply(" 55 \n", "Full"), (BatteryReading{0.55f, BatteryState::full}));
    for (const char* bad : {"", "\n", "101", "-1", "55%", "5.5", "nan", "99999999999999"}) {
        EXPECT_EQ(parsePowerSupply(bad, "Charging"), std::nullopt) << bad;
    }
    // An unrecognised status is unknown.
    for (const char* status : {"Not charging", "Unknown", "", "charging", "\x01\x02"}) {
        EXPECT_EQ(parsePowerSupply("30", status)->state, BatteryState::unknown) << status;
    }
}

}  // namespace
}  // namespace joyvane::linux_input
