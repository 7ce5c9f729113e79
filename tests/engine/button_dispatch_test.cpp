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

// Default maps: L2 = next space (Control + right arrow), R2 = nothing, L2 + R2 = screenshot.
constexpr int kShift = key_code::shift;
constexpr int kCommand = key_code::command;
constexpr int kDigit3 = key_code::digit3;

TEST_F(Dispatch, OptionalInputsAreBoundOnlyWhenPresent) {
    sim::SimControllerSpec spec;
    spec.hasOptionsButton = false;
    spec.hasStickButtons = false;
    auto plain = connect(spec);
    EXPECT_EQ(plain->element(SimElement::buttonOptions), nullptr);
    EXPECT_EQ(plain->element(SimElement::leftThumbstickButton), nullptr);
    EXPECT_TRUE(plain->element(SimElement::buttonMenu)->hasHandler());
    EXPECT_TRUE(plain->dpadPad().hasHandler());
    EXPECT_TRUE(pad->element(SimElement::buttonOptions)->hasHandler());
    EXPECT_TRUE(pad->element(SimElement::rightThumbstickButton)->hasHandler());
}

TEST_F(Dispatch, AComboMappedToTheToggleIsDeferredToo) {
    ComboMap combos;
    combos[ComboID{ButtonID::l1, ButtonID::r1}] = ButtonAction::toggleEnable;
    engine->comboMap = combos;
    engine->setEnabled(false);
    pad->press(SimElement::leftShoulder);
    pad->press(SimElement::rightShoulder);
    EXPECT_FALSE(engine->isEnabled().get());
    sim.scheduler.runOneTurn();
    EXPECT_TRUE(engine->isEnabled().get());
}

// What each button does on the keyboard is in the keyboard_hebrew scenario; here, that the
// keyboard takes the presses even with control off, and the buttons it has no use for do nothing.
TEST_F(Dispatch, VisibleKeyboardTakesThePressesEvenWithControlOff) {
    openKeyboard();
    engine->setEnabled(false);
    sim.log.clear();
    pad->press(SimElement::buttonA);  // select: the key under the cursor, "t"
    ASSERT_EQ(keys().size(), 2u);
    EXPECT_EQ(keys()[0].text, u"t");
    pad->press(SimElement::leftThumbstickButton);  // L1: shift
    EXPECT_TRUE(keyboard.isUppercase.get());
    sim.log.clear();
    pad->press(SimElement::leftTrigger);
    pad->press(SimElement::rightTrigger);
    pad->press(SimElement::buttonOptions);
    pad->press(SimElement::buttonY);  // Delete, not the toggle
    EXPECT_EQ(keysDown(), std::vector{int{key_code::deleteKey}});
    EXPECT_TRUE(engine->heldButtons().empty());
    sim.scheduler.runQueued();
    EXPECT_FALSE(engine->isEnabled().get());
    pad->press(SimElement::buttonB);  // close as the user's choice
    EXPECT_FALSE(keyboard.isVisible.get());
    EXPECT_TRUE(keyboard.userDismissed);
    EXPECT_TRUE(mouseEvents().empty());
}

// Mended: a button let go over the keyboard stayed held, so a later R2 alone fired L2 + R2.
TEST_F(Dispatch, AButtonReleasedWhileTheKeyboardIsUpNoLongerCountsTowardsCombos) {
    ButtonMap buttons = engine->buttonMap.get();
    buttons[ButtonID::r2] = ButtonAction::escape;
    engine->buttonMap = buttons;
    pad->press(SimElement::leftTrigger);
    openKeyboard();
    pad->release(SimElement::leftTrigger);
    EXPECT_FALSE(held(ButtonID::l2));
    keyboard.dismiss();
    sim.log.clear();
    pad->press(SimElement::rightTrigger);  // R2's own action, not the screenshot
    EXPECT_EQ(keysDown(), (std::vector{static_cast<int>(key_code::escape)}));
}

TEST_F(Dispatch, DpadMovesTheVisibleKeyboardCursorOnly) {
    pad->setDpad(1.0f, 0.0f);
    EXPECT_EQ(keyboard.cursorCol.get(), 4);  // hidden: nothing
    openKeyboard();
    keyboard.movePhase = MovePhase::repeating;
    pad->setDpad(0.7f, 0.7f);  // one column right and one row up, in one step
    EXPECT_EQ(keyboard.cursorRow.get(), 0);
    EXPECT_EQ(keyboard.cursorCol.get(), 5);
    EXPECT_EQ(keyboard.movePhase, MovePhase::idle);
    pad->setDpad(0.0f, 0.0f);
    pad->setDpad(0.5f, -0.5f);  // exactly half does not count
    EXPECT_EQ(keyboard.cursorRow.get(), 0);
    EXPECT_EQ(keyboard.cursorCol.get(), 5);
    pad->setDpad(-0.51f, -0.51f);
    EXPECT_EQ(keyboard.cursorRow.get(), 1);
    EXPECT_EQ(keyboard.cursorCol.get(), 4);
    engine->setEnabled(false);
    pad->setDpad(1.0f, 0.0f);
    EXPECT_EQ(keyboard.cursorCol.get(), 5);
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

TEST_F(Dispatch, ADisconnectWithNothingHeldPostsNothing) {
    pad->press(SimElement::buttonA);
    pad->release(SimElement::buttonA);
    sim.log.clear();
    disconnect(pad);
    EXPECT_TRUE(mouseEvents().empty());
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
    pad->press(SimElement::buttonA);
    pad->release(SimElement::buttonA);
    EXPECT_EQ(mouseEvents().size(), 1u);

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
    ButtonMap buttons = engine->buttonMap.get();
    buttons[ButtonID::r1] = ButtonAction::none;
    buttons[ButtonID::l1] = ButtonAction::none;
    buttons[ButtonID::circle] = ButtonAction::none;
    engine->buttonMap = buttons;

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
    ButtonMap buttons = engine->buttonMap.get();
    buttons[ButtonID::cross] = ButtonAction::escape;
    engine->buttonMap = buttons;
    pad->release(SimElement::buttonA);
    EXPECT_EQ(mouseEventTypes(),
              (std::vector{MouseEventType::leftMouseDown, MouseEventType::leftMouseUp}));
    EXPECT_TRUE(keys().empty());  // the escape key has no release half
}

}  // namespace
}  // namespace joyvane::test
