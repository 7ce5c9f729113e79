#include "ui/controls/battery_format.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/controls/setting_slider.h"

namespace joyvane::ui {
namespace {

struct BadgeCase {
    float level;
    std::optional<BatteryState> state;
    const char* symbol;
    BatteryTone tone;
};

TEST(BatteryBadgeTable, SymbolAndToneFollowLevelAndState) {
    const BadgeCase cases[] = {
        {0.05f, BatteryState::charging, "battery.0", BatteryTone::green},
        {0.2f, BatteryState::discharging, "battery.25", BatteryTone::red},
        {0.2f, std::nullopt, "battery.25", BatteryTone::red},
        {0.21f, BatteryState::unknown, "battery.25", BatteryTone::primary},
        {0.0999f, BatteryState::discharging, "battery.0", BatteryTone::red},
        {0.1f, BatteryState::charging, "battery.25.bolt", BatteryTone::green},
        {0.374f, std::nullopt, "battery.25", BatteryTone::primary},
        {0.375f, BatteryState::charging, "battery.50.bolt", BatteryTone::green},
        {0.625f, BatteryState::discharging, "battery.75", BatteryTone::primary},
        {0.874f, BatteryState::charging, "battery.75.bolt", BatteryTone::green},
        {0.875f, BatteryState::discharging, "battery.100", BatteryTone::primary},
        // Full is green but shows no bolt: only charging does.
        {1.0f, BatteryState::full, "battery.100", BatteryTone::green},
        {0.15f, BatteryState::full, "battery.25", BatteryTone::green},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "level " << c.level);
        EXPECT_EQ(batterySymbolName(c.level, c.state), c.symbol);
        EXPECT_EQ(batteryTone(c.level, c.state), c.tone);
    }
}

TEST(BatteryPercentText, IntegerPartOfFloatPercentage) {
    EXPECT_EQ(batteryPercentText(0.05f), "5%");
    EXPECT_EQ(batteryPercentText(0.2f), "20%");
    EXPECT_EQ(batteryPercentText(0.5f), "50%");
    EXPECT_EQ(batteryPercentText(0.999f), "99%");
    EXPECT_EQ(batteryPercentText(0.29f), "29%");  // 32-bit arithmetic rounds 28.99999 up
    EXPECT_EQ(batteryPercentText(1.0f), "100%");
    EXPECT_EQ(batteryPercentText(0.0f), "0%");
}

TEST(SettingValueFormat, OneDecimalAsPrintf) {
    EXPECT_EQ(formatSettingValue(0.12), "0.1");
    EXPECT_EQ(formatSettingValue(350.0), "350.0");
    EXPECT_EQ(formatSettingValue(10.0), "10.0");
    EXPECT_EQ(formatSettingValue(1.6), "1.6");
    EXPECT_EQ(formatSettingValue(0.4), "0.4");
    EXPECT_EQ(formatSettingValue(24.96), "25.0");
}

}  // namespace
}  // namespace joyvane::ui
