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

TEST_F(Touchpad, ReportsCloserThanTheGapMoveByTheFingerTravel) {
    touchAt(0.0, 0.1f, 0.2f);  // the first report only sets the anchor
    EXPECT_TRUE(warps().empty());
    touchAt(0.05, 0.3f, 0.1f);
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.x, 720 + 70, 1e-3);
    EXPECT_NEAR(warps()[0].position.y, 450 + 35, 1e-3);
    EXPECT_EQ(mouseEvents()[0].type, MouseEventType::mouseMoved);
}

TEST_F(Touchpad, APauseOfTheGapOrMoreStartsANewStroke) {
    touchAt(0.0, 0.0f, 0.0f);
    touchAt(0.08, 0.5f, 0.5f);  // exactly the gap: a new anchor, no move
    EXPECT_TRUE(warps().empty());
    touchAt(0.18, -0.5f, 0.0f);  // 100 ms: no move
    EXPECT_TRUE(warps().empty());
    touchAt(0.2, -0.4f, 0.0f);  // continues from the last report, not from the first
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.x, 720 + 35, 1e-3);
    EXPECT_NEAR(warps()[0].position.y, 450, 1e-9);
}

TEST_F(Touchpad, ReportsWhileSwitchedOffAreNotRecorded) {
    touchAt(0.0, 0.0f, 0.0f);
    engine->touchpadEnabled = false;
    touchAt(0.03, 0.5f, 0.5f);
    engine->touchpadEnabled = true;
    touchAt(0.06, 0.1f, 0.0f);  // 60 ms after the last recorded report, from its position
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.x, 720 + 35, 1e-3);

    engine->setEnabled(false);
    touchAt(0.1, 0.9f, 0.9f);
    engine->setEnabled(true);
    touchAt(0.2, 0.2f, 0.0f);  // 140 ms after the last recorded one: a new stroke
    EXPECT_EQ(warps().size(), 1u);
}

TEST_F(Touchpad, TheAnchorSurvivesAReconnect) {
    touchAt(0.0, 0.0f, 0.0f);
    sim.controllers.disconnect(pad);
    sim.controllers.connect(pad);
    touchAt(0.02, 0.0f, -0.1f);
    ASSERT_EQ(warps().size(), 1u);
    EXPECT_NEAR(warps()[0].position.y, 450 + 35, 1e-3);
}

TEST_F(Touchpad, AHeldClickTurnsTouchpadMotionIntoADrag) {
    pad->press(sim::SimElement::buttonA);
    touchAt(0.0, 0.0f, 0.0f);
    touchAt(0.01, 0.1f, 0.0f);
    EXPECT_EQ(mouseEventTypes().back(), MouseEventType::leftMouseDragged);
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

TEST_F(Touchpad, OnlyTheTwoPlayStationFamiliesHaveOne) {
    EXPECT_TRUE(engine->hasTouchpad.get());
    sim::SimControllerSpec ds4;
    ds4.category = "DualShock 4";
    ds4.physical = PhysicalProfile::dualShock;
    auto other = makeController(ds4);
    sim.controllers.connect(other);
    EXPECT_TRUE(other->touchpadPad().hasHandler());
    EXPECT_TRUE(other->element(sim::SimElement::touchpadButton)->hasHandler());
    sim.scheduler.runQueued();
    EXPECT_TRUE(engine->hasTouchpad.get());

    auto generic = makeController();
    sim.controllers.connect(generic);
    EXPECT_TRUE(engine->hasTouchpad.get());  // published one turn later
    sim.scheduler.runQueued();
    EXPECT_FALSE(engine->hasTouchpad.get());
    EXPECT_FALSE(generic->touchpadPad().hasHandler());
}

}  // namespace
}  // namespace joyvane::test
