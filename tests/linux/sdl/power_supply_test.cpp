#include "platform/linux/sdl/power_supply.h"

#include <gtest/gtest.h>

#include "../desktop/fake_machine.h"

namespace joyvane::linux_input {
namespace {

namespace fs = std::filesystem;

// A DualSense's input and hidraw nodes below one HID device, and a laptop battery elsewhere.
TEST(PowerSupplyReader, OnlyTheControllersOwnWellFormedBatteryThroughEitherNode) {
    joyvane::testing::FakeMachine machine;
    const fs::path hid = machine.hid("0003:054C:0CE6.0001", "0003:0000054C:00000CE6", "0100\n");
    fs::create_directories(hid / "input/input7");
    machine.link(hid / "input/input7", "sys/class/input/event5/device");
    machine.hidraw(hid, "hidraw2", true);
    machine.supply(machine.sys() / "devices/LNXSYSTM:00/PNP0C0A:00", "BAT0", "50", "Discharging");
    PowerSupplyReader reader(machine.sys());
    EXPECT_EQ(reader.read("/dev/input/event5"), std::nullopt);
    EXPECT_EQ(reader.read("/dev/input/event9"), std::nullopt);  // node unknown to sysfs
    EXPECT_EQ(reader.read(""), std::nullopt);
    EXPECT_EQ(PowerSupplyReader(machine.sys() / "missing").read("/dev/input/event5"), std::nullopt);

    // Not batteries of the controller: a charger, and a battery that powers the system even
    // when it sits below the controller. A malformed capacity reads as absent.
    machine.supply(hid, "usb-charger", "40", "Charging", "USB");
    machine.tree.write(machine.supply(hid, "a-system-battery", "30", "Discharging") / "scope",
                       "System\n");
    fs::path supply = machine.supply(hid, "ps-controller-battery-aa:bb", "eighty", "Charging\n");
    EXPECT_EQ(reader.read("/dev/input/event5"), std::nullopt);
    machine.tree.write(supply / "capacity", "100\n");
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
