#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using Connection = EngineTest;

TEST_F(Connection, AControllerPresentAtStartIsAttachedOnceAndTheRetryLeavesItAlone) {
    auto pad = makeController();
    sim.controllers.addPresent(pad);
    start();
    EXPECT_EQ(engine->controller(), pad);
    sim.scheduler.advanceTo(1.5);
    EXPECT_TRUE(engine->isConnected.get());
    EXPECT_EQ(pad->element(sim::SimElement::buttonA)->handlerInstallCount(), 1);
}

TEST_F(Connection, ADisconnectStopsAtOnceAndIsPublishedOneTurnLater) {
    start();
    auto pad = connect(dualSense());
    sim.controllers.disconnect(pad);
    EXPECT_FALSE(engine->isLoopRunning());
    EXPECT_EQ(engine->controller(), nullptr);
    EXPECT_FALSE(keyboard.controllerConnected);
    EXPECT_FALSE(keyboard.isMonitoringFocus());
    EXPECT_TRUE(engine->isConnected.get());
    sim.scheduler.runOneTurn();
    EXPECT_FALSE(engine->isConnected.get());
    EXPECT_FALSE(engine->hasTouchpad.get());
}

}  // namespace
}  // namespace joyvane::test
