#include "engine_fixture.h"

namespace joyvane::test {
namespace {

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

}  // namespace
}  // namespace joyvane::test
