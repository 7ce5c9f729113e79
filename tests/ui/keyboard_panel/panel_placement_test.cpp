#include <gtest/gtest.h>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/keyboard_panel/panel_placement.h"

namespace joyvane::ui {
namespace {

struct PanelPlacementTest : ::testing::Test {
    sim::SimPlatform sim;

    PanelPlacementTest() { sim.screens.setScreens({{{0, 0, 1440, 900}, {0, 25, 1440, 850}}}); }
};

TEST_F(PanelPlacementTest, CentredSixteenPointsAboveTheVisibleBottom) {
    auto rect = keyboardPanelContentRect(sim.screens);
    ASSERT_TRUE(rect.has_value());
    EXPECT_EQ(*rect, (Rect{427, 41, 586, 234}));
    // y down: the bottom edge 16 points above the work area's bottom (900 - 25).
    EXPECT_EQ(toGlobalDisplay(*rect, sim.screens), (Rect{427, 625, 586, 234}));
}

TEST_F(PanelPlacementTest, UsesTheMainScreenThenTheFirstScreen) {
    Screen second{{1440, 0, 1280, 1024}, {1440, 0, 1280, 1000}};
    sim.screens.setScreens({{{0, 0, 1440, 900}, {0, 25, 1440, 850}}, second});
    sim.screens.setMainScreen(second);
    EXPECT_EQ(*keyboardPanelContentRect(sim.screens), (Rect{1440 + 640 - 293, 16, 586, 234}));
    sim.screens.setMainScreen(std::nullopt);
    EXPECT_EQ(*keyboardPanelContentRect(sim.screens), (Rect{427, 41, 586, 234}));
    sim.screens.setScreens({});
    EXPECT_FALSE(keyboardPanelContentRect(sim.screens).has_value());
}

TEST_F(PanelPlacementTest, WindowKeepsWidthCentreAndBottomEdge) {
    QtKeyboardPanelFactory factory(sim.screens, sim.languages);
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, factory};
    kb.controllerConnected = true;
    kb.show();
    KeyboardPanelWindow* panel = factory.lastPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(static_cast<KeyboardPanel*>(panel), kb.panel());
    QRect frame = panel->geometry();
    EXPECT_EQ(frame.x(), 427);
    EXPECT_EQ(frame.width(), 586);
    EXPECT_EQ(frame.y() + frame.height(), 900 - 41);
    EXPECT_GE(frame.height(), 234);
    EXPECT_TRUE(panel->isVisible());

    // Built once and never moved, even when the screens change.
    sim.screens.setScreens({{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}});
    kb.hidePanel();
    EXPECT_FALSE(panel->isVisible());
    kb.show();
    EXPECT_EQ(factory.lastPanel(), panel);
    EXPECT_EQ(panel->geometry(), frame);
}

TEST_F(PanelPlacementTest, WindowNeverTakesFocus) {
    QtKeyboardPanelFactory factory(sim.screens, sim.languages);
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, factory};
    auto panel = factory.makePanel(kb);
    auto* window = factory.lastPanel();
    Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
}

}  // namespace
}  // namespace joyvane::ui
