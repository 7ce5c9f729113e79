#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using sim::SimElement;

class Dispatch : public EngineTest {
  protected:
    std::shared_ptr<sim::SimController> pad;

    void SetUp() override {
        start();
        pad = connect();
        sim.log.clear();
    }

    // Key codes of the key-down events posted so far.
    std::vector<int> keysDown() const {
        std::vector<int> codes;
        for (const auto& key : keys()) {
            if (key.down) {
                codes.push_back(key.keyCode);
            }
        }
        return codes;
    }
    bool held(ButtonID id) const { return engine->heldButtons().contains(id); }
};

// Mended: a button let go over the keyboard stayed held, so a later R2 alone fired L2 + R2.
TEST_F(Dispatch, AButtonReleasedWhileTheKeyboardIsUpNoLongerCountsTowardsCombos) {
    remap({{ButtonID::r2, ButtonAction::escape}});
    pad->press(SimElement::leftTrigger);
    openKeyboard();
    pad->release(SimElement::leftTrigger);
    EXPECT_FALSE(held(ButtonID::l2));
    keyboard.dismiss();
    sim.log.clear();
    pad->press(SimElement::rightTrigger);  // R2's own action, not the screenshot
    EXPECT_EQ(keysDown(), (std::vector{static_cast<int>(key_code::escape)}));
}

// Mended: a click held across a disconnect used to stay down in the window system.
TEST_F(Dispatch, ADisconnectReleasesHeldClicksAndForgetsHeldButtons) {
    pad->press(SimElement::buttonA);  // left click
    pad->press(SimElement::buttonB);  // right click
    pad->press(SimElement::buttonX);  // middle click
    pad->press(SimElement::leftTrigger);
    sim.screens.setPointer({100, 200});
    sim.log.clear();
    disconnect(pad);
    EXPECT_EQ(mouseEvents(),
              (std::vector<MouseEvent>{
                  {EventSourceState::hidSystem, MouseEventType::leftMouseUp, {100, 200}, 0},
                  {EventSourceState::hidSystem, MouseEventType::rightMouseUp, {100, 200}, 1},
                  {EventSourceState::hidSystem, MouseEventType::otherMouseUp, {100, 200}, 2},
              }));
    EXPECT_FALSE(mouse.isLeftDown);
    EXPECT_FALSE(mouse.isRightDown);
    EXPECT_TRUE(engine->heldButtons().empty());

    // The stale L2 no longer completes the screenshot combo.
    auto again = connect();
    sim.log.clear();
    again->press(SimElement::rightTrigger);
    EXPECT_TRUE(keys().empty());
}

// Mended: switching control off while a click was held left its button down.
TEST_F(Dispatch, AHeldClickStillLetsGoAfterControlIsSwitchedOff) {
    pad->press(SimElement::buttonA);
    pad->press(SimElement::buttonY);  // the toggle switches control off
    sim.scheduler.runQueued();
    ASSERT_FALSE(engine->isEnabled().get());
    pad->press(SimElement::buttonB);  // off: no right-down
    sim.log.clear();
    pad->release(SimElement::buttonB);  // nothing held: silent
    EXPECT_TRUE(mouseEvents().empty());
    pad->release(SimElement::buttonA);
    EXPECT_EQ(mouseEventTypes(), std::vector{MouseEventType::leftMouseUp});
    EXPECT_FALSE(mouse.isLeftDown);

    // The master switch, for the right button.
    engine->setEnabled(true);
    pad->press(SimElement::buttonB);
    engine->setEnabled(false);
    sim.log.clear();
    pad->release(SimElement::buttonB);
    EXPECT_EQ(mouseEventTypes(), std::vector{MouseEventType::rightMouseUp});
    EXPECT_FALSE(mouse.isRightDown);
}

// Mended: the keyboard ignores releases, but a click held since before it opened lets go.
TEST_F(Dispatch, AHeldClickLetsGoWhenReleasedOverTheKeyboard) {
    pad->press(SimElement::buttonA);
    openKeyboard();
    sim.log.clear();
    pad->release(SimElement::buttonA);
    EXPECT_EQ(mouseEventTypes(), std::vector{MouseEventType::leftMouseUp});
    EXPECT_FALSE(mouse.isLeftDown);
    EXPECT_FALSE(held(ButtonID::cross));
}

// Mended: a combo has no release half, so a combo mapped to a click left its button down.
TEST_F(Dispatch, AClickFiredByAComboLetsGoWithEitherOfItsButtons) {
    ComboMap combos = engine->comboMap.get();
    combos[{ButtonID::l1, ButtonID::r1}] = ButtonAction::leftClick;
    combos[{ButtonID::cross, ButtonID::circle}] = ButtonAction::middleClick;
    engine->comboMap = combos;
    remap({{ButtonID::r1, ButtonAction::none},
           {ButtonID::l1, ButtonAction::none},
           {ButtonID::circle, ButtonAction::none}});

    pad->press(SimElement::leftShoulder);
    pad->press(SimElement::rightShoulder);
    EXPECT_TRUE(mouse.isLeftDown);
    pad->release(SimElement::rightShoulder);
    EXPECT_FALSE(mouse.isLeftDown);
    pad->release(SimElement::leftShoulder);  // the partner's release posts nothing more
    EXPECT_EQ(mouseEventTypes(),
              (std::vector{MouseEventType::leftMouseDown, MouseEventType::leftMouseUp}));

    sim.log.clear();
    pad->press(SimElement::buttonA);  // left click alone
    pad->press(SimElement::buttonB);  // completes the middle-click combo
    pad->release(SimElement::buttonA);
    pad->release(SimElement::buttonB);
    EXPECT_EQ(mouseEventTypes(),
              (std::vector{MouseEventType::leftMouseDown, MouseEventType::otherMouseDown,
                           MouseEventType::otherMouseUp, MouseEventType::leftMouseUp}));
}

// Mended: remapping a button while its click was held made the release perform the new action.
TEST_F(Dispatch, AClickLetsGoEvenWhenItsButtonWasRemappedWhileHeld) {
    pad->press(SimElement::buttonA);
    remap({{ButtonID::cross, ButtonAction::escape}});
    pad->release(SimElement::buttonA);
    EXPECT_EQ(mouseEventTypes(),
              (std::vector{MouseEventType::leftMouseDown, MouseEventType::leftMouseUp}));
    EXPECT_TRUE(keys().empty());  // the escape key has no release half
}

}  // namespace
}  // namespace joyvane::test
