#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "panel_fixture.h"
#include "ui/controls/setting_slider.h"
#include "ui/controls/switch_button.h"
#include "ui/controls/toggle_row.h"
#include "ui/main_panel/behavior_card.h"
#include "ui/main_panel/settings_card.h"
#include "ui/main_panel/touchpad_card.h"

namespace joyvane::ui::test {
namespace {

class BindingsTest : public PanelTest {};

struct SliderCase {
    const char* name;
    SettingSlider* (*slider)(ContentView&);
    Published<double> ControllerManager::*setting;
    double lower;
    double upper;
};

SettingSlider* speed(ContentView& v) {
    return v.settingsCard()->mouseSpeed();
}
SettingSlider* scroll(ContentView& v) {
    return v.settingsCard()->scrollSpeed();
}
SettingSlider* deadzone(ContentView& v) {
    return v.settingsCard()->deadZone();
}
SettingSlider* acceleration(ContentView& v) {
    return v.settingsCard()->acceleration();
}
SettingSlider* touch(ContentView& v) {
    return v.touchpadCard()->sensitivity();
}

const SliderCase kSliders[] = {
    {"sensitivity", speed, &ControllerManager::sensitivity, 3, 25},
    {"scrollSensitivity", scroll, &ControllerManager::scrollSensitivity, 1, 12},
    {"deadzone", deadzone, &ControllerManager::deadzone, 0.05, 0.4},
    {"acceleration", acceleration, &ControllerManager::acceleration, 1, 3},
    {"touchpadSensitivity", touch, &ControllerManager::touchpadSensitivity, 100, 700},
};

TEST_F(BindingsTest, SlidersWriteTheirSettingAndFollowChangesMadeElsewhere) {
    startPanel();
    for (const auto& c : kSliders) {
        SCOPED_TRACE(c.name);
        SettingSlider* slider = c.slider(*view);
        Published<double>& setting = (*manager).*(c.setting);
        EXPECT_DOUBLE_EQ(slider->range().lower, c.lower);
        EXPECT_DOUBLE_EQ(slider->range().upper, c.upper);
        slider->slider()->setValue(SettingSlider::kSteps);
        EXPECT_DOUBLE_EQ(setting.get(), c.upper);
        slider->slider()->setValue(0);
        EXPECT_DOUBLE_EQ(setting.get(), c.lower);

        const double middle = (c.lower + c.upper) / 2;
        setting = middle;
        settle();
        EXPECT_EQ(slider->slider()->value(), SettingSlider::kSteps / 2);
        EXPECT_EQ(slider->valueLabel()->text(), QString::asprintf("%.1f", middle));
        EXPECT_DOUBLE_EQ(setting.get(), middle);  // showing it wrote nothing back
    }
}

TEST_F(BindingsTest, SwitchesWriteTheirSettingAndFollowChangesMadeElsewhere) {
    startPanel();
    ToggleRow* natural = view->settingsCard()->naturalScrolling();
    EXPECT_EQ(natural->toolTip(), "Stick up → content scrolls down (mouse style)");
    natural->switchButton()->click();
    settle();
    EXPECT_TRUE(manager->naturalScrolling.get());
    EXPECT_EQ(natural->toolTip(), "Stick up → content scrolls up (iOS style)");

    ToggleRow* autoEnable = view->behaviorCard()->autoEnable();
    autoEnable->switchButton()->click();
    EXPECT_FALSE(manager->autoEnableOnConnect.get());
    manager->autoEnableOnConnect = true;
    settle();
    EXPECT_TRUE(autoEnable->switchButton()->isChecked());

    manager->setKeyboardFeatureEnabled(false);
    settle();
    EXPECT_FALSE(view->behaviorCard()->keyboardFeature()->switchButton()->isChecked());
}

TEST_F(BindingsTest, ResetRestoresTheSevenSettingsAndMovesEverySlider) {
    startPanel();
    manager->sensitivity = 20;
    manager->scrollSensitivity = 11;
    manager->deadzone = 0.3;
    manager->acceleration = 2.5;
    manager->naturalScrolling = true;
    manager->touchpadEnabled = false;
    manager->touchpadSensitivity = 600;
    manager->autoEnableOnConnect = false;
    manager->setKeyboardFeatureEnabled(false);
    settle();

    ASSERT_NE(view->settingsCard()->resetButton(), nullptr);
    EXPECT_EQ(view->settingsCard()->resetButton()->toolTip(), "Reset Defaults");
    view->settingsCard()->resetButton()->click();
    settle();
    EXPECT_DOUBLE_EQ(manager->sensitivity.get(), 10.0);
    EXPECT_DOUBLE_EQ(manager->touchpadSensitivity.get(), 350.0);
    EXPECT_TRUE(manager->touchpadEnabled.get());
    EXPECT_FALSE(manager->naturalScrolling.get());
    EXPECT_FALSE(manager->autoEnableOnConnect.get());  // not a reset setting
    EXPECT_FALSE(manager->keyboardFeatureEnabled().get());

    SettingsCard* card = view->settingsCard();
    EXPECT_EQ(card->mouseSpeed()->slider()->value(), card->mouseSpeed()->positionFor(10.0));
    EXPECT_EQ(card->scrollSpeed()->valueLabel()->text(), "4.0");
    EXPECT_EQ(card->deadZone()->valueLabel()->text(), "0.1");
    EXPECT_EQ(card->acceleration()->valueLabel()->text(), "1.6");
    EXPECT_FALSE(card->naturalScrolling()->switchButton()->isChecked());
    EXPECT_EQ(view->touchpadCard()->sensitivity()->valueLabel()->text(), "350.0");
}

}  // namespace
}  // namespace joyvane::ui::test
