#include <cmath>
#include <limits>

#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// Attaching, the retry after start and departures are in the scenarios (present_at_start,
// connection, disconnect_while_dragging, controller_leaving).

using InputLoop = EngineTest;

TEST_F(InputLoop, StickFieldsArePublishedOnlyWhenTheyChange) {
    start();
    auto pad = connect();
    int leftXNotices = 0;
    auto a = engine->leftX.willChange.connect([&](float) { ++leftXNotices; });
    runTicks(10);
    pad->setLeftStick(0.3f, 0.0f);
    runTicks(10);
    EXPECT_EQ(leftXNotices, 1);
}

// Mended: non-finite stick values and settings reached the pointer.
TEST_F(InputLoop, NonFiniteStickValuesAndSettingsNeverMoveThePointer) {
    start();
    auto pad = connect();
    float nan = std::numeric_limits<float>::quiet_NaN();
    float inf = std::numeric_limits<float>::infinity();
    pad->setLeftStick(nan, inf);
    pad->setRightStick(-inf, nan);
    int notices = 0;
    auto s = engine->leftX.willChange.connect([&](float) { ++notices; });
    runTicks(5);
    EXPECT_TRUE(warps().empty());
    EXPECT_TRUE(scrolls().empty());
    EXPECT_EQ(engine->leftX.get(), 0.0f);
    EXPECT_EQ(notices, 0);

    engine->sensitivity = std::numeric_limits<double>::infinity();
    pad->setLeftStick(1.0f, 0.0f);
    runTicks(2);
    EXPECT_TRUE(warps().empty());
}

using Settings = EngineTest;

TEST_F(Settings, KeyboardFeatureMonitorsFocusOnlyWithAController) {
    start();
    engine->setKeyboardFeatureEnabled(true);
    EXPECT_TRUE(keyboard.featureEnabled);
    EXPECT_FALSE(keyboard.isMonitoringFocus());
    auto pad = connect();
    EXPECT_TRUE(keyboard.isMonitoringFocus());
    engine->setKeyboardFeatureEnabled(false);
    EXPECT_FALSE(keyboard.featureEnabled);
    EXPECT_FALSE(keyboard.isMonitoringFocus());
}

// The switch is told to show off again when the autostart entry cannot be written.
TEST_F(Settings, LaunchAtLoginStaysAsItWasWhenTheRegistrationFails) {
    start();
    sim.workspace.launchAtLoginWorks = false;
    int told = 0;
    auto watch = engine->launchAtLogin.willChange.connect([&](const bool&) { ++told; });
    engine->setLaunchAtLogin(true);
    EXPECT_FALSE(engine->launchAtLogin.get());
    EXPECT_EQ(told, 1);
    sim.workspace.launchAtLoginWorks = true;
    engine->setLaunchAtLogin(true);
    sim.workspace.launchAtLoginWorks = false;
    engine->setLaunchAtLogin(false);
    EXPECT_TRUE(engine->launchAtLogin.get());
}

TEST_F(Settings, ADestroyedEngineNeverRunsAnything) {
    start();
    auto pad = connect();
    pad->setLeftStick(1.0f, 0.0f);
    engine->setKeyboardFeatureEnabled(false);
    pad->press(sim::SimElement::buttonY);  // queues the toggle
    engine.reset();
    EXPECT_EQ(sim.scheduler.activeTimerCount(), 0u);
    sim.scheduler.advanceBy(10.0);
    pad->press(sim::SimElement::buttonA);
    pad->touch(0.1f, 0.1f);
    pad->setDpad(1.0f, 0.0f);
    sim.controllers.connect(makeController());
    sim.controllers.disconnect(pad);
    sim.scheduler.runQueued();
    EXPECT_TRUE(sim.log.entries().empty());
}

// Strokes, pauses, the switch and the families are in the touchpad_strokes scenario, a stroke
// onto a monitor above in touchpad_monitor_above.
TEST_F(InputLoop, NonFiniteTouchpadReportsReadAsTheCentre) {
    start();
    auto pad = connect(dualSense());
    sim.scheduler.advanceTo(0.0);
    pad->touch(0.1f, 0.0f);
    sim.scheduler.advanceTo(0.01);
    pad->touch(std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity());
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.x, 720 - 35, 1e-3);
    EXPECT_NEAR(warps()[0].position.y, 450, 1e-9);
}

}  // namespace
}  // namespace joyvane::test
