#include <QLabel>
#include <QScrollArea>
#include <QToolButton>

#include "panel_fixture.h"
#include "ui/controls/battery_badge.h"
#include "ui/controls/reading_direction.h"
#include "ui/controls/setting_slider.h"
#include "ui/controls/stick_view.h"
#include "ui/controls/style.h"
#include "ui/controls/switch_button.h"
#include "ui/controls/symbol_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/toggle_row.h"
#include "ui/main_panel/accessibility_banner.h"
#include "ui/main_panel/behavior_card.h"
#include "ui/main_panel/panel_header.h"
#include "ui/main_panel/status_card.h"
#include "ui/main_panel/sticks_row.h"
#include "ui/main_panel/tiles_row.h"
#include "ui/main_panel/touchpad_card.h"

namespace joyvane::ui::test {
namespace {

class ContentViewTest : public PanelTest {};

TEST_F(ContentViewTest, ForceReconnectAttachesTheFirstKnownController) {
    startPanel();
    view->statusCard()->reconnectButton()->click();  // none known: nothing happens
    settle();
    EXPECT_FALSE(manager->isConnected.get());
    auto present = std::make_shared<sim::SimController>(dualSense());
    sim.controllers.addPresent(present);  // known to the platform, never announced
    view->statusCard()->reconnectButton()->click();
    settle();
    EXPECT_TRUE(manager->isConnected.get());
    EXPECT_EQ(manager->controller(), present);
}

TEST_F(ContentViewTest, GenericControllerHasNoTouchpadCard) {
    startPanel();
    connect(sim::SimControllerSpec{});
    EXPECT_TRUE(manager->isConnected.get());
    EXPECT_TRUE(view->touchpadCard()->isHidden());
}

TEST_F(ContentViewTest, MissingAccessibilityGreysTheSwitchAndShowsTheBanner) {
    sim.accessibility.setTrusted(false);
    startPanel();
    connect(dualSense());
    EXPECT_FALSE(view->header()->masterSwitch()->isEnabled());
    EXPECT_FALSE(view->banner()->isHidden());
    sim.accessibility.setTrusted(true);
    sim.scheduler.advanceBy(2.0);  // the engine's accessibility refresh
    settle();
    EXPECT_TRUE(view->header()->masterSwitch()->isEnabled());
    EXPECT_TRUE(view->banner()->isHidden());
}

TEST_F(ContentViewTest, TouchpadSliderOnlyWhileTouchpadMovementIsOn) {
    startPanel();
    connect(dualSense());
    TouchpadCard* card = view->touchpadCard();
    EXPECT_FALSE(card->sensitivity()->isHidden());
    card->movement()->switchButton()->click();
    settle();
    EXPECT_FALSE(manager->touchpadEnabled.get());
    EXPECT_TRUE(card->sensitivity()->isHidden());
    manager->touchpadEnabled = true;
    settle();
    EXPECT_FALSE(card->sensitivity()->isHidden());
    EXPECT_EQ(card->sensitivity()->valueLabel()->text(), "350.0");
}

TEST_F(ContentViewTest, KeyboardButtonNeedsTheFeatureAndAController) {
    startPanel();
    BehaviorCard* card = view->behaviorCard();
    EXPECT_TRUE(card->keyboardButton()->isHidden());  // feature on, no controller
    connect(dualSense());
    EXPECT_FALSE(card->keyboardButton()->isHidden());
    EXPECT_EQ(card->keyboardButton()->caption()->text(), "Show Keyboard");
    EXPECT_EQ(card->keyboardButton()->symbol()->symbolName(), "keyboard");
    EXPECT_EQ(card->keyboardButton()->toolTip(),
              QString::fromUtf8("X=select  △=delete  □=space  ○=close  L1=Shift  R1=layout"));

    card->keyboardButton()->click();
    settle();
    EXPECT_TRUE(keyboard.isVisible.get());
    EXPECT_EQ(card->keyboardButton()->caption()->text(), "Hide Keyboard");
    EXPECT_EQ(card->keyboardButton()->symbol()->symbolName(), "keyboard.chevron.compact.down.fill");
    EXPECT_EQ(card->keyboardButton()->symbol()->symbolColor(), colors::orange());

    card->keyboardFeature()->switchButton()->click();
    settle();
    EXPECT_FALSE(manager->keyboardFeatureEnabled().get());
    EXPECT_TRUE(card->keyboardButton()->isHidden());
}

TEST_F(ContentViewTest, LaunchAtLoginGoesThroughTheEngine) {
    startPanel();
    view->behaviorCard()->launchAtLogin()->switchButton()->click();
    settle();
    EXPECT_TRUE(manager->launchAtLogin.get());
    EXPECT_EQ(sim.log.all<sim::LaunchAtLoginCall>(), std::vector<sim::LaunchAtLoginCall>{{true}});
    EXPECT_TRUE(view->behaviorCard()->launchAtLogin()->switchButton()->isChecked());
}

TEST_F(ContentViewTest, TilesOpenTheirWindowsWithTheCurrentMap) {
    startPanel();
    view->tiles()->advancedTile()->click();
    EXPECT_EQ(advancedOpens, 1);
    EXPECT_EQ(view->tiles()->advancedTile()->toolTip(), "Gestures, battery info and firmware");

    ButtonMap edited = manager->buttonMap;
    edited[ButtonID::r1] = ButtonAction::escape;
    manager->buttonMap = edited;
    view->tiles()->mappingTile()->click();
    ASSERT_EQ(remapOpens, 1);
    EXPECT_EQ(remapInitial, edited);
    ButtonMap saved = edited;
    saved[ButtonID::r2] = ButtonAction::enter;
    remapSave(saved);
    EXPECT_EQ(manager->buttonMap.get(), saved);
    remapReset();
    EXPECT_EQ(manager->buttonMap.get(), ControllerManager::defaultButtonMap());
}

TEST_F(ContentViewTest, QuitLetsGoOfHeldClicksFirst) {
    startPanel();
    mouse.isLeftDown = true;
    mouse.isRightDown = true;
    view->header()->quitButton()->click();
    EXPECT_FALSE(mouse.isLeftDown);
    EXPECT_FALSE(mouse.isRightDown);
    const auto events = sim.log.all<MouseEvent>();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].type, MouseEventType::leftMouseUp);
    EXPECT_EQ(events[1].type, MouseEventType::rightMouseUp);
    EXPECT_EQ(quits, 1);
}

TEST_F(ContentViewTest, HebrewTextsAndRightToLeftLayout) {
    sim.languages.setLanguages({"he-IL", "en-US"});
    startPanel();
    EXPECT_TRUE(view->isHebrewShown());
    EXPECT_EQ(view->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(view->statusCard()->titleLine()->text(),
              rightToLeft(QString::fromUtf8("ממתין לשלט...")));
    EXPECT_EQ(view->header()->quitButton()->toolTip(), rightToLeft(QString::fromUtf8("סגור")));
    // A later language change shows at the next refresh: the choice is made for every text.
    sim.languages.setLanguages({"en-US", "he-IL"});
    view->refresh();
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(view->statusCard()->titleLine()->text(), "Waiting for controller...");
}

TEST_F(ContentViewTest, DisconnectHidesControllerParts) {
    startPanel();
    auto controller = connect(dualSense(BatteryReading{0.8f, BatteryState::discharging}));
    manager->refreshBattery();
    settle();
    EXPECT_FALSE(view->header()->batteryBadge()->isHidden());
    sim.controllers.disconnect(controller);
    settle();
    EXPECT_TRUE(view->header()->batteryBadge()->isHidden());
    EXPECT_TRUE(view->sticks()->isHidden());
    EXPECT_TRUE(view->touchpadCard()->isHidden());
    EXPECT_FALSE(view->statusCard()->reconnectButton()->isHidden());
}

}  // namespace
}  // namespace joyvane::ui::test
