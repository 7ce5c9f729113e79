#include <limits>

#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// Virtual time starts at 0, so report times below are exact.
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

TEST_F(Touchpad, TheAnchorSurvivesAReconnect) {
    touchAt(0.0, 0.0f, 0.0f);
    sim.controllers.disconnect(pad);
    sim.controllers.connect(pad);
    touchAt(0.02, 0.0f, -0.1f);
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.y, 450 + 35, 1e-3);
}

TEST_F(Touchpad, NonFiniteReportsReadAsTheCentre) {
    float nan = std::numeric_limits<float>::quiet_NaN();
    touchAt(0.0, 0.1f, 0.0f);
    touchAt(0.01, nan, std::numeric_limits<float>::infinity());
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.x, 720 - 35, 1e-3);
    EXPECT_NEAR(warps()[0].position.y, 450, 1e-9);
}

TEST_F(Touchpad, ItsClickIsAnOrdinaryMappableButton) {
    ButtonMap buttons = defaultButtonMap();
    buttons[ButtonID::touchpad] = ButtonAction::escape;
    engine->buttonMap = buttons;
    pad->press(sim::SimElement::touchpadButton);
    ASSERT_FALSE(keys().empty());
    EXPECT_EQ(keys()[0].keyCode, key_code::escape);
}

}  // namespace
}  // namespace joyvane::test
