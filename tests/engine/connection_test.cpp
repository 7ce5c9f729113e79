#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using Connection = EngineTest;

// A departure, stopping at once and published a turn later, is in the disconnect_while_dragging
// scenario; a departure of another controller is in controller_leaving.

TEST_F(Connection, AControllerPresentAtStartIsAttachedOnceAndTheRetryLeavesItAlone) {
    auto pad = makeController();
    sim.controllers.addPresent(pad);
    start();
    EXPECT_EQ(engine->controller(), pad);
    sim.scheduler.advanceTo(1.5);
    EXPECT_TRUE(engine->isConnected.get());
    EXPECT_EQ(pad->element(sim::SimElement::buttonA)->handlerInstallCount(), 1);
}

}  // namespace
}  // namespace joyvane::test
