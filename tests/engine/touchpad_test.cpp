#include <limits>

#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// Strokes, pauses, the switch and the families are in the touchpad_strokes scenario, a stroke
// onto a monitor above in touchpad_monitor_above.
class Touchpad : public EngineTest {
  protected:
    std::shared_ptr<sim::SimController> pad;

    void SetUp() override {
        start();
        pad = connect(dualSense());
    }
    void touchAt(Time time, float x, float y) {
        sim.scheduler.advanceTo(time);
        pad->touch(x, y);
    }
};

TEST_F(Touchpad, NonFiniteReportsReadAsTheCentre) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    touchAt(0.0, 0.1f, 0.0f);
    touchAt(0.01, nan, std::numeric_limits<float>::infinity());
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.x, 720 - 35, 1e-3);
    EXPECT_NEAR(warps()[0].position.y, 450, 1e-9);
}

}  // namespace
}  // namespace joyvane::test
