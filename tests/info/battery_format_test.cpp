#include <gtest/gtest.h>

#include <limits>

#include "engine/controller_manager.h"
#include "info/battery_format.h"
#include "info/time_ago.h"

namespace joyvane {
namespace {

TEST(BatteryFormat, PercentIsTruncatedAndColouredByBand) {
    struct Case {
        float level;
        int percent;
        BatteryLevelColor color;
    };
    for (const Case& c :
         {Case{0.2f, 20, BatteryLevelColor::red}, Case{0.25f, 25, BatteryLevelColor::orange},
          Case{0.5f, 50, BatteryLevelColor::orange}, Case{0.509f, 50, BatteryLevelColor::orange},
          Case{0.51f, 51, BatteryLevelColor::green}, Case{0.75f, 75, BatteryLevelColor::green},
          Case{0.0f, 0, BatteryLevelColor::red}, Case{1.0f, 100, BatteryLevelColor::green}}) {
        int percent = batteryPercent(c.level);
        EXPECT_EQ(percent, c.percent) << c.level;
        EXPECT_EQ(batteryLevelColor(percent), c.color) << c.level;
    }
    EXPECT_EQ(batteryLevelColor(21), BatteryLevelColor::orange);
    // Readings outside the scale stay within it.
    EXPECT_EQ(batteryPercent(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(batteryPercent(-0.5f), 0);
    EXPECT_EQ(batteryPercent(1e30f), 100);
    EXPECT_EQ(batteryPercent(std::numeric_limits<float>::infinity()), 100);
}

TEST(BatteryFormat, LevelBarFillNeverThinnerThanFourPointsAndStateLabels) {
    EXPECT_DOUBLE_EQ(levelBarFillWidth(0), 4.0);
    EXPECT_DOUBLE_EQ(levelBarFillWidth(2), 4.8);
    EXPECT_DOUBLE_EQ(levelBarFillWidth(100), 240.0);
    EXPECT_EQ(batteryStateLabel(BatteryState::charging, false), "Charging");
    EXPECT_EQ(batteryStateLabel(std::nullopt, true), "לא ידוע");
}

std::vector<BatteryHistoryEntry> readings(int count) {
    std::vector<BatteryHistoryEntry> history;
    for (int i = 0; i < count; ++i) {
        history.push_back({static_cast<Time>(i), static_cast<float>(i) / 100.0f});
    }
    return history;
}

TEST(BatteryFormat, SparklineNeedsTwoReadingsAndDrawsTheLastTwentyOnAFixedScale) {
    EXPECT_TRUE(sparklinePoints({{0, 0.5f}}, 240, 28).empty());
    auto two = sparklinePoints({{0, 1.0f}, {5, 0.0f}}, 240, 28);
    EXPECT_EQ(two, (std::vector<Point>{{0, 0}, {240, 28}}));  // full at the top, empty below
    auto points = sparklinePoints(readings(25), 190, 28);
    ASSERT_EQ(points.size(), 20u);
    for (std::size_t i = 0; i < points.size(); ++i) {
        float level = static_cast<float>(i + 5) / 100.0f;  // readings 5 to 24
        EXPECT_DOUBLE_EQ(points[i].x, static_cast<double>(i) * 190.0 / 19.0);
        EXPECT_DOUBLE_EQ(points[i].y, 28 - static_cast<double>(level) * 28);
    }
}

TEST(TimeAgo, SecondsThenMinutesWithoutLargerUnits) {
    const Time now = 1000;
    EXPECT_EQ(timeAgo(now - 4, now, false), "just now");
    EXPECT_EQ(timeAgo(now - 12, now, true), "לפני 12שנ'");
    EXPECT_EQ(timeAgo(now - 4.9, now, false), "just now");
    EXPECT_EQ(timeAgo(now - 5, now, false), "5s ago");
    EXPECT_EQ(timeAgo(now - 59, now, false), "59s ago");
    EXPECT_EQ(timeAgo(now - 119, now, false), "1m ago");
    EXPECT_EQ(timeAgo(now - 7200, now, true), "לפני 120ד'");
    EXPECT_EQ(timeAgo(now + 30, now, false), "just now");
}

}  // namespace
}  // namespace joyvane
