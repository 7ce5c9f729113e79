#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using Settings = EngineTest;

TEST_F(Settings, TheNoControllerNameFollowsTheFirstPreferredLanguage) {
    sim.languages.setLanguages({"he-IL", "en-US"});
    start();
    EXPECT_EQ(engine->controllerName.get(), "אין שלט מחובר");
    // Chosen once: a later change of language does not rename it until it is assigned again.
    sim.languages.setLanguages({"en-US", "he-IL"});
    EXPECT_EQ(engine->controllerName.get(), "אין שלט מחובר");
    auto pad = connect();
    disconnect(pad);
    EXPECT_EQ(engine->controllerName.get(), "No controller connected");
}

TEST_F(Settings, EnableSwitchTellsTheKeyboardAfterStoring) {
    start();
    bool storedWhenTold = true;
    auto s = engine->isEnabledWillChange().connect(
        [&](bool) { storedWhenTold = keyboard.controllerEnabled; });
    keyboard.controllerEnabled = true;
    engine->setEnabled(false);
    EXPECT_TRUE(storedWhenTold);  // observers hear first, the keyboard after
    EXPECT_FALSE(keyboard.controllerEnabled);
    engine->setEnabled(true);
    EXPECT_TRUE(keyboard.controllerEnabled);
}

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

    // Assigning the current value runs both steps again.
    engine->setKeyboardFeatureEnabled(true);
    keyboard.stopFocusMonitoring();
    keyboard.featureEnabled = false;
    engine->setKeyboardFeatureEnabled(true);
    EXPECT_TRUE(keyboard.featureEnabled);
    EXPECT_TRUE(keyboard.isMonitoringFocus());
}

TEST_F(Settings, AccessibilityIsRepublishedEveryTwoSeconds) {
    start();
    int notices = 0;
    auto s = engine->accessibility.willChange.connect([&](bool) { ++notices; });
    sim.scheduler.advanceTo(1.99);
    EXPECT_EQ(notices, 0);
    sim.accessibility.setTrusted(false);
    sim.scheduler.advanceTo(2.0);
    EXPECT_EQ(notices, 1);
    EXPECT_FALSE(engine->accessibility.get());
    sim.scheduler.advanceTo(6.0);
    EXPECT_EQ(notices, 3);  // unchanged, still told
    sim.accessibility.setTrusted(true);
    sim.scheduler.advanceTo(8.0);
    EXPECT_TRUE(engine->accessibility.get());
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
