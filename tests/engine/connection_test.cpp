#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using Connection = EngineTest;

struct ClassificationCase {
    const char* category;
    std::optional<std::string> vendor;
    const char* name;
    ControllerType type;
};

class Classification : public EngineTest,
                       public ::testing::WithParamInterface<ClassificationCase> {};

TEST_P(Classification, NamesAndTypesTheController) {
    const ClassificationCase& c = GetParam();
    start();
    sim::SimControllerSpec spec;
    spec.category = c.category;
    spec.vendor = c.vendor;
    connect(spec);
    EXPECT_TRUE(engine->isConnected.get());
    EXPECT_EQ(engine->controllerName.get(), c.name);
    EXPECT_EQ(engine->controllerType.get(), c.type);
}

INSTANTIATE_TEST_SUITE_P(
    Categories, Classification,
    ::testing::Values(
        ClassificationCase{"DualSense", "Sony", "DualSense (PS5)", ControllerType::dualSense},
        ClassificationCase{"Dual Sense Edge", std::nullopt, "DualSense (PS5)",
                           ControllerType::dualSense},
        ClassificationCase{"Sony DUALSHOCK 4 Wireless Controller", "Sony", "DualShock 4 (PS4)",
                           ControllerType::dualShock4},
        ClassificationCase{"PS4 Dual Shock", std::nullopt, "DualShock 4 (PS4)",
                           ControllerType::dualShock4},
        ClassificationCase{"Xbox One", "Microsoft", "Microsoft", ControllerType::generic},
        ClassificationCase{"Gamepad", std::nullopt, "Gamepad", ControllerType::generic}));

TEST_F(Connection, AControllerWithoutAGamepadProfileChangesNothing) {
    start();
    sim::SimControllerSpec spec;
    spec.category = "DualSense";
    spec.hasProfile = false;
    auto odd = connect(spec);
    EXPECT_FALSE(engine->isConnected.get());
    EXPECT_FALSE(engine->isLoopRunning());
    EXPECT_EQ(engine->controller(), nullptr);
    sim.controllers.postForeignConnectNotice();
    sim.scheduler.runQueued();
    EXPECT_FALSE(engine->isConnected.get());
}

TEST_F(Connection, HandlersAndLoopAreLiveBeforeTheConnectionIsPublished) {
    start();
    keyboard.controllerConnected = false;
    auto pad = makeController();
    sim.controllers.connect(pad);
    // Same turn as the notice: the engine already works, the interface does not know yet.
    EXPECT_TRUE(engine->isLoopRunning());
    EXPECT_FALSE(engine->isConnected.get());
    EXPECT_EQ(engine->controllerName.get(), "No controller connected");
    EXPECT_FALSE(keyboard.controllerConnected);
    pad->press(sim::SimElement::buttonA);
    EXPECT_EQ(mouseEventTypes(), std::vector{MouseEventType::leftMouseDown});

    std::vector<std::string> order;
    auto a = engine->isConnected.willChange.connect([&](bool) { order.push_back("connected"); });
    auto b = engine->controllerName.willChange.connect(
        [&](const std::string&) { order.push_back("name"); });
    auto c =
        engine->controllerType.willChange.connect([&](ControllerType) { order.push_back("type"); });
    auto d = engine->isEnabledWillChange().connect([&](bool) { order.push_back("enabled"); });
    auto e = engine->hasTouchpad.willChange.connect([&](bool) { order.push_back("touchpad"); });
    EXPECT_EQ(sim.scheduler.runOneTurn(), 2u);
    EXPECT_EQ(order,
              (std::vector<std::string>{"connected", "name", "type", "enabled", "touchpad"}));
    EXPECT_TRUE(keyboard.controllerConnected);
    EXPECT_TRUE(keyboard.controllerEnabled);
    EXPECT_TRUE(keyboard.isMonitoringFocus());
}

TEST_F(Connection, AControllerPresentAtStartIsAttachedAndTheRetryLeavesItAlone) {
    auto pad = makeController();
    sim.controllers.addPresent(pad);
    start();
    EXPECT_TRUE(sim.controllers.monitorsBackground());
    EXPECT_EQ(sim.controllers.discoveryStarts(), 1);
    EXPECT_EQ(engine->controller(), pad);
    sim.scheduler.advanceTo(1.5);
    EXPECT_TRUE(engine->isConnected.get());
    EXPECT_EQ(pad->element(sim::SimElement::buttonA)->handlerInstallCount(), 1);
}

TEST_F(Connection, ADisconnectStopsAtOnceAndClearsTheControllerOneTurnLater) {
    start();
    sim::SimControllerSpec spec = dualSense();
    spec.battery = BatteryReading{0.5f, BatteryState::charging};
    auto pad = connect(spec);
    pad->setLeftStick(0.5f, 0.5f);
    runTicks(300);
    engine->setEnabled(false);
    ASSERT_TRUE(engine->batteryLevel.get());
    ASSERT_TRUE(engine->hasTouchpad.get());

    sim.controllers.disconnect(pad);
    EXPECT_FALSE(engine->isLoopRunning());
    EXPECT_EQ(engine->controller(), nullptr);
    EXPECT_FALSE(keyboard.controllerConnected);
    EXPECT_FALSE(keyboard.isMonitoringFocus());
    EXPECT_TRUE(engine->isConnected.get());  // until the queued job runs
    EXPECT_EQ(engine->controllerName.get(), "DualSense (PS5)");

    sim.scheduler.runOneTurn();
    EXPECT_FALSE(engine->isConnected.get());
    EXPECT_EQ(engine->controllerName.get(), "No controller connected");
    EXPECT_EQ(engine->controllerType.get(), ControllerType::none);
    EXPECT_FALSE(engine->hasTouchpad.get());
    EXPECT_FALSE(engine->batteryLevel.get());
    EXPECT_FALSE(engine->batteryState.get());
    EXPECT_EQ(engine->leftX.get(), 0.0f);
    EXPECT_EQ(engine->leftY.get(), 0.0f);
    // Kept: the switch, the history and its time.
    EXPECT_FALSE(engine->isEnabled().get());
    EXPECT_EQ(engine->batteryHistory->size(), 1u);
    EXPECT_TRUE(engine->batteryLastUpdated.get());
}

TEST_F(Connection, ASecondControllerTakesOverTheSticksWhileTheFirstKeepsItsButtons) {
    start();
    auto first = connect();
    auto second = connect();
    EXPECT_EQ(engine->controller(), second);
    first->setLeftStick(1.0f, 0.0f);
    runTicks(1);
    EXPECT_TRUE(warps().empty());
    second->setLeftStick(1.0f, 0.0f);
    runTicks(1);
    EXPECT_EQ(warps().size(), 1u);
    first->press(sim::SimElement::buttonB);
    EXPECT_EQ(mouseEventTypes().back(), MouseEventType::rightMouseDown);
}

// Mended: the departure of a controller that is not attached used to drop the attached one.
TEST_F(Connection, TheOtherControllerLeavingKeepsTheAttachedOne) {
    start();
    sim.scheduler.advanceTo(1.5);  // past the retry of creation
    auto first = connect();
    auto second = connect();
    disconnect(first);
    EXPECT_TRUE(engine->isConnected.get());
    EXPECT_EQ(engine->controller(), second);
    EXPECT_TRUE(engine->isLoopRunning());
    EXPECT_TRUE(keyboard.controllerConnected);
    second->setLeftStick(1.0f, 0.0f);
    runTicks(1);
    EXPECT_EQ(warps().size(), 1u);

    // The attached one leaving attaches nothing else, even with another still connected.
    auto third = connect();
    disconnect(third);
    EXPECT_FALSE(engine->isConnected.get());
    EXPECT_EQ(engine->controller(), nullptr);
    EXPECT_EQ(sim.controllers.controllers().size(), 1u);
    sim.scheduler.advanceBy(3.0);
    EXPECT_FALSE(engine->isConnected.get());
}

}  // namespace
}  // namespace joyvane::test
