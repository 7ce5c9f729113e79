#include "panel_fixture.h"

#include <QLabel>

#include "ui/controls/switch_button.h"
#include "ui/controls/toggle_row.h"
#include "ui/main_panel/behavior_card.h"

namespace joyvane::ui::test {
namespace {

using LaunchFailure = PanelTest;

TEST_F(LaunchFailure, ASwitchThatCannotTurnOnStaysOffAndSaysSo) {
    startPanel();
    BehaviorCard* card = view->behaviorCard();
    EXPECT_TRUE(card->launchFailure()->isHidden());

    sim.workspace.launchAtLoginWorks = false;
    card->launchAtLogin()->switchButton()->click();
    settle();
    EXPECT_FALSE(card->launchAtLogin()->switchButton()->isChecked());
    EXPECT_FALSE(card->launchFailure()->isHidden());
    EXPECT_EQ(card->launchFailure()->text(), "Could not set up Launch at Login");

    sim.workspace.launchAtLoginWorks = true;
    card->launchAtLogin()->switchButton()->click();
    settle();
    EXPECT_TRUE(card->launchAtLogin()->switchButton()->isChecked());
    EXPECT_TRUE(card->launchFailure()->isHidden());
}

}  // namespace
}  // namespace joyvane::ui::test
