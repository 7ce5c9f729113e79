#include <gtest/gtest.h>

#include "platform/linux/x11/screen_layout.h"
#include "platform/linux/x11/scroll_clicks.h"

namespace joyvane::x11 {
namespace {

TEST(ScrollClicks, PixelsAddUpToBoundedClicksAndTurningDropsTheRemainder) {
    ScrollClicks slow;
    int total = 0;
    for (int i = 0; i < 64; ++i) {
        total += slow.add(1);  // the slowest scroll: one pixel per tick
    }
    EXPECT_EQ(total, 64 / ScrollClicks::kPixelsPerClick);
    EXPECT_EQ(slow.add(-16), 0);

    ScrollClicks wheel;
    EXPECT_EQ(wheel.add(-80), -2);  // 16 pixels left over
    EXPECT_EQ(wheel.add(-16), -1);
    EXPECT_EQ(wheel.add(-31), 0);
    // Turning round starts from nothing instead of paying back the other way first.
    EXPECT_EQ(wheel.add(32), 1);
    EXPECT_EQ(wheel.add(0), 0);
    EXPECT_EQ(wheel.add(INT32_MAX), ScrollClicks::kMaxClicksPerEvent);
    EXPECT_EQ(wheel.add(INT32_MIN), -ScrollClicks::kMaxClicksPerEvent);
}

TEST(ScreenLayout, SideBySideMonitorsInTheBottomLeftSpace) {
    // The primary on the right, listed second, and a taller one on the left.
    ScreenLayout layout({{0, 0, 1280, 1024, false}, {1280, 0, 1440, 900, true}},
                        Monitor{0, 24, 2720, 1000, false});
    auto screens = layout.screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].frame, (Rect{0, 0, 1440, 900}));
    EXPECT_EQ(screens[1].frame, (Rect{-1280, -124, 1280, 1024}));
    // A 24-pixel panel along the top of the desktop.
    EXPECT_EQ(screens[0].visibleFrame, (Rect{0, 0, 1440, 876}));
    EXPECT_EQ(screens[1].visibleFrame, (Rect{-1280, -124, 1280, 1000}));

    EXPECT_EQ(layout.serviceFromRoot(1280, 0), (Point{0, 900}));
    EXPECT_EQ(layout.serviceFromRoot(1290.5, 899), (Point{10.5, 1}));
    EXPECT_EQ(layout.rootFromGlobal({10, 20}), (Point{1290, 20}));
    EXPECT_EQ(layout.globalFromRoot(0, 1000), (Point{-1280, 1000}));
    EXPECT_EQ(layout.screenAt(100, 1000)->frame, screens[1].frame);
    EXPECT_EQ(layout.screenAt(5000, 5000)->frame, screens[0].frame);
    // The column just past the left monitor's right edge, below the primary, is on neither.
    EXPECT_EQ(layout.screenAt(1279, 950)->frame, screens[1].frame);
    EXPECT_EQ(layout.screenAt(1280, 950)->frame, screens[0].frame);
}

TEST(ScreenLayout, AMonitorAboveThePrimaryOutsideTheWorkArea) {
    // The work area covers only the primary, which sits below the other monitor: the two touch
    // along one edge, so the upper monitor has no visible part and keeps its whole frame.
    ScreenLayout layout({{0, 0, 1920, 1080, false}, {0, 1080, 1440, 900, true}},
                        Monitor{0, 1080, 1440, 900, false});
    auto screens = layout.screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[1].frame, (Rect{0, 900, 1920, 1080}));
    EXPECT_EQ(screens[1].visibleFrame, screens[1].frame);
    EXPECT_EQ(layout.serviceFromRoot(10, 1080), (Point{10, 900}));
}

TEST(ScreenLayout, NoPrimaryMeansTheFirstAndEmptyMonitorsAreDropped) {
    ScreenLayout layout(
        {{0, 0, 0, 0, true}, {0, 0, 1440, 900, false}, {1440, 0, 1280, 1024, false}}, std::nullopt);
    auto screens = layout.screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].frame, (Rect{0, 0, 1440, 900}));
    EXPECT_EQ(screens[0].visibleFrame, screens[0].frame);
    EXPECT_EQ(screens[1].frame, (Rect{1440, -124, 1280, 1024}));
    EXPECT_TRUE(ScreenLayout({}, std::nullopt).screens().empty());
    EXPECT_FALSE(ScreenLayout({}, std::nullopt).screenAt(0, 0));
}

}  // namespace
}  // namespace joyvane::x11
