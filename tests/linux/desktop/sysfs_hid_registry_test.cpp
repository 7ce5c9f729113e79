#include "platform/linux/desktop/sysfs_hid_registry.h"

#include <gtest/gtest.h>

#include "fake_machine.h"
#include "info/firmware_reader.h"
#include "platform/linux/desktop/sysfs_text.h"

namespace joyvane::linux_desktop {
namespace {

using testing::FakeMachine;

TEST(SysfsHidRegistry, ReadsTheVersionKeysOfThePlayStationDevice) {
    FakeMachine sysfs;
    auto pad = sysfs.hid("0003:054C:0CE6.0001", "0003:0000054C:00000CE6", "0100\n");
    sysfs.tree.write(pad / "input/input7/id/version", "0000\n");
    sysfs.tree.write(pad / "firmware_version", "0x00000000\n");
    SysfsHidRegistry registry(sysfs.sys());

    auto devices = registry.devicesOfVendor(kPlayStationVendorId);
    ASSERT_EQ(devices.size(), 1u);
    const auto& properties = devices[0].properties;
    EXPECT_EQ(properties.at("ProductID"), HidProperty{std::int64_t{0x0CE6}});
    EXPECT_EQ(properties.at("VersionNumber"), HidProperty{std::int64_t{0}});
    EXPECT_EQ(properties.count("FirmwareVersion"), 0u) << "a zero firmware version is unknown";
    EXPECT_EQ(properties.at("bcdDevice"), HidProperty{std::int64_t{256}});

    sysfs.tree.write(pad / "firmware_version", "0x01000226\n");
    EXPECT_EQ(readFirmwareVersion(registry), "0x01000226");

    sysfs.tree.write(pad / "input/input7/id/version", "8111\n");
    EXPECT_EQ(readFirmwareVersion(registry), "33041");
}

TEST(SysfsHidRegistry, BluetoothOtherVendorsAndMalformedContents) {
    FakeMachine sysfs;
    auto bluetooth = sysfs.hid("0005:054C:05C4.0002", "0005:0000054C:000005C4");
    sysfs.tree.write(bluetooth / "input/input3/id/version", "0100\n");
    auto other = sysfs.hid("0003:045E:0B12.0003", "0003:0000045E:00000B12", "0408\n");
    sysfs.tree.write(other / "input/input9/id/version", "0408\n");
    sysfs.hid("0003:054C:09CC.0005", "0003:0000054C", "0100\n");
    SysfsHidRegistry registry(sysfs.sys());
    auto devices = registry.devicesOfVendor(kPlayStationVendorId);
    ASSERT_EQ(devices.size(), 1u) << "a uevent without a whole HID_ID is not a device";
    EXPECT_EQ(devices[0].properties.count("bcdDevice"), 0u) << "no USB parent";
    EXPECT_EQ(readFirmwareVersion(registry), "256");
    EXPECT_EQ(registry.devicesOfVendor(0x045E).size(), 1u);
    EXPECT_TRUE(SysfsHidRegistry(sysfs.sys() / "missing").devicesOfVendor(0x045E).empty());

    FakeMachine garbled;
    auto pad = garbled.hid("0003:054C:0CE6.0004", "0003:0000054C:00000CE6", "zz01\n");
    garbled.tree.write(pad / "input/input2/id/version", "\n");
    garbled.tree.write(pad / "firmware_version", "\n");
    SysfsHidRegistry garbledRegistry(garbled.sys());
    const auto garbledDevices = garbledRegistry.devicesOfVendor(kPlayStationVendorId);
    ASSERT_EQ(garbledDevices.size(), 1u);
    for (const char* key : {"VersionNumber", "FirmwareVersion", "bcdDevice"}) {
        EXPECT_EQ(garbledDevices[0].properties.count(key), 0u) << key;
    }
    EXPECT_EQ(readFirmwareVersion(garbledRegistry), std::nullopt);
}

TEST(SysfsText, ParsesHexAsSysfsWritesIt) {
    EXPECT_EQ(parseHex("0x0110\n"), 0x0110u);
    EXPECT_EQ(parseHex(" 0000054c "), 0x054Cu);
    EXPECT_EQ(parseHex("FFFFFFFF"), 0xFFFFFFFFu);
    for (const char* bad : {"", "\n", "0x", "12 34", "-1", "+1", "1g", "123456789"}) {
        EXPECT_EQ(parseHex(bad), std::nullopt) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace joyvane::linux_desktop
