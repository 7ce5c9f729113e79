#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// The touchpad moves through the same clamp as the sticks: with a monitor above the primary
// one, a stroke upward near the primary's top edge carries on onto it.
TEST_F(EngineTest, ATouchpadStrokeReachesAMonitorAboveThePrimary) {
    sim.screens.addScreen({0, 900, 1920, 1080});
    sim.screens.setPointer({720, 10});
    start();
    auto pad = connect(dualSense());
    pad->touch(0.0f, 0.0f);
    sim.scheduler.advanceBy(0.05);
    pad->touch(0.0f, 0.2f);  // 70 points up
    EXPECT_NEAR(sim.screens.pointer().y, -60, 1e-3);
}

}  // namespace
}  // namespace joyvane::test
