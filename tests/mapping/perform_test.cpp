#include "mapping/perform.h"

#include <gtest/gtest.h>

#include <vector>

#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane {
namespace {

using sim::Call;

class PerformTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};

    void press(ButtonAction action) { perform(action, true, mouse, keyboard); }
    void release(ButtonAction action) { perform(action, false, mouse, keyboard); }

    // Everything posted or warped, in order; panel calls of the keyboard left out.
    std::vector<Call> posted() const {
        std::vector<Call> out;
        for (const auto& entry : sim.log.entries()) {
            if (!std::holds_alternative<sim::PanelCall>(entry.call)) {
                out.push_back(entry.call);
            }
        }
        return out;
    }
};

// Every key action's exact keys are in the key_actions scenario.
TEST_F(PerformTest, OnlyClicksActOnRelease) {
    for (ButtonAction action : allButtonActions) {
        bool isClick = action == ButtonAction::leftClick || action == ButtonAction::rightClick ||
                       action == ButtonAction::middleClick;
        if (isClick) {
            continue;
        }
        SCOPED_TRACE(caseName(action));
        release(action);
        EXPECT_TRUE(posted().empty());
    }
    EXPECT_FALSE(keyboard.isVisible);
    // None and the control toggle do nothing on press either.
    press(ButtonAction::none);
    press(ButtonAction::toggleEnable);
    EXPECT_TRUE(posted().empty());
}

// The clicks' events are in the scenarios (held_clicks, combos); here, when their flags change.
TEST_F(PerformTest, ClickFlagsChangeBeforeTheirEventIsPosted) {
    std::vector<bool> leftAtPost;
    std::vector<bool> rightAtPost;
    sim.log.onRecord = [&](const sim::LoggedCall&) {
        leftAtPost.push_back(mouse.isLeftDown);
        rightAtPost.push_back(mouse.isRightDown);
    };
    press(ButtonAction::leftClick);
    release(ButtonAction::leftClick);
    press(ButtonAction::rightClick);
    release(ButtonAction::rightClick);
    EXPECT_EQ(leftAtPost, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(rightAtPost, (std::vector<bool>{false, false, true, false}));
}

}  // namespace
}  // namespace joyvane
