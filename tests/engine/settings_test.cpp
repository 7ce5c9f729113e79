#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using Settings = EngineTest;

TEST_F(Settings, StartsFromTheDefaultsWithoutTellingTheKeyboard) {
    sim.accessibility.setTrusted(false);
    keyboard.controllerEnabled = false;
    keyboard.featureEnabled = false;
    start();
    // The setting defaults are checked by the reset test; here the state before any controller.
    EXPECT_EQ(engine->controllerName.get(), "No controller connected");
    EXPECT_EQ(engine->controllerType.get(), ControllerType::none);
    EXPECT_TRUE(engine->isEnabled().get());
    EXPECT_FALSE(engine->accessibility.get());
    EXPECT_EQ(engine->buttonMap.get(), defaultButtonMap());
    EXPECT_FALSE(engine->batteryLevel.get());
    EXPECT_FALSE(engine->isLoopRunning());
    // The initial values run no side effects: the keyboard keeps its own flags.
    EXPECT_FALSE(keyboard.controllerEnabled);
    EXPECT_FALSE(keyboard.featureEnabled);
}

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

TEST_F(Settings, ResetRestoresTheSevenPointerSettingsOnly) {
    start();
    engine->sensitivity = 25.0;
    engine->scrollSensitivity = 12.0;
    engine->deadzone = 0.4;
    engine->acceleration = 3.0;
    engine->naturalScrolling = true;
    engine->touchpadEnabled = false;
    engine->touchpadSensitivity = 700.0;
    engine->setEnabled(false);
    engine->autoEnableOnConnect = false;
    engine->setLaunchAtLogin(true);
    engine->setKeyboardFeatureEnabled(false);
    ButtonMap buttons = defaultButtonMap();
    buttons[ButtonID::cross] = ButtonAction::escape;
    engine->buttonMap = buttons;
    ComboMap combos;
    combos[ComboID{ButtonID::l1, ButtonID::r1}] = ButtonAction::tab;
    engine->comboMap = combos;

    engine->resetSettings();

    EXPECT_EQ(engine->sensitivity.get(), 10.0);
    EXPECT_EQ(engine->scrollSensitivity.get(), 4.0);
    EXPECT_EQ(engine->deadzone.get(), 0.12);
    EXPECT_EQ(engine->acceleration.get(), 1.6);
    EXPECT_FALSE(engine->naturalScrolling.get());
    EXPECT_TRUE(engine->touchpadEnabled.get());
    EXPECT_EQ(engine->touchpadSensitivity.get(), 350.0);
    EXPECT_FALSE(engine->isEnabled().get());
    EXPECT_FALSE(engine->autoEnableOnConnect.get());
    EXPECT_TRUE(engine->launchAtLogin.get());
    EXPECT_FALSE(engine->keyboardFeatureEnabled().get());
    EXPECT_EQ(engine->buttonMap.get(), buttons);
    EXPECT_EQ(engine->comboMap.get(), combos);
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

TEST_F(Settings, LaunchAtLoginAsksTheWorkspaceThenShowsTheSwitch) {
    start();
    std::size_t callsWhenShown = 0;
    auto s = engine->launchAtLogin.willChange.connect(
        [&](bool) { callsWhenShown = sim.log.all<sim::LaunchAtLoginCall>().size(); });
    engine->setLaunchAtLogin(true);
    EXPECT_EQ(callsWhenShown, 1u);
    EXPECT_TRUE(engine->launchAtLogin.get());
    engine->setLaunchAtLogin(false);
    EXPECT_EQ(sim.log.all<sim::LaunchAtLoginCall>(),
              (std::vector<sim::LaunchAtLoginCall>{{true}, {false}}));
    EXPECT_FALSE(engine->launchAtLogin.get());
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
