#include "mapping/perform.h"

#include <gtest/gtest.h>

#include <vector>

#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane {
namespace {

// The clicks' events are in the scenarios (held_clicks, combos), and every other action's keys,
// acting on the press only, in key_actions; here, when the clicks' flags change.
TEST(Perform, ClickFlagsChangeBeforeTheirEventIsPosted) {
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    std::vector<bool> leftAtPost;
    std::vector<bool> rightAtPost;
    sim.log.onRecord = [&](const sim::LoggedCall&) {
        leftAtPost.push_back(mouse.isLeftDown);
        rightAtPost.push_back(mouse.isRightDown);
    };
    for (ButtonAction click : {ButtonAction::leftClick, ButtonAction::rightClick}) {
        perform(click, true, mouse, keyboard);
        perform(click, false, mouse, keyboard);
    }
    EXPECT_EQ(leftAtPost, (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(rightAtPost, (std::vector<bool>{false, false, true, false}));
}

}  // namespace
}  // namespace joyvane
