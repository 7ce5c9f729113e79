#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "ui/controls/battery_badge.h"
#include "ui/controls/card_section.h"
#include "ui/controls/setting_slider.h"
#include "ui/controls/stick_view.h"
#include "ui/controls/style.h"
#include "ui/controls/switch_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/toggle_row.h"

namespace joyvane::ui {
namespace {

Binding<double> bindTo(double& value, int* writes = nullptr) {
    return {[&value] { return value; },
            [&value, writes](double v) {
                value = v;
                if (writes) {
                    ++*writes;
                }
            }};
}

TEST(SettingSlider, MovingTheSliderWritesTheValueAcrossTheWholeRange) {
    double value = 10.0;
    SettingSlider slider("Mouse Speed", "cursorarrow.motionlines", bindTo(value), {3, 25});
    slider.slider()->setValue(0);
    EXPECT_DOUBLE_EQ(value, 3.0);
    slider.slider()->setValue(SettingSlider::kSteps);
    EXPECT_DOUBLE_EQ(value, 25.0);
    slider.slider()->setValue(SettingSlider::kSteps / 2);
    EXPECT_DOUBLE_EQ(value, 14.0);
    EXPECT_EQ(slider.valueLabel()->text(), "14.0");
}

TEST(SettingSlider, AValueChangedElsewhereMovesTheHandleWithoutWritingBack) {
    double value = 0.12;
    int writes = 0;
    SettingSlider slider("Dead Zone", "target", bindTo(value, &writes), {0.05, 0.4});
    EXPECT_EQ(slider.valueLabel()->text(), "0.1");
    value = 0.4;
    slider.refresh();
    EXPECT_EQ(slider.slider()->value(), SettingSlider::kSteps);
    EXPECT_EQ(writes, 0);
    EXPECT_DOUBLE_EQ(value, 0.4);
}

TEST(SettingSlider, OutOfRangeValueKeepsItsNumberAndPutsTheHandleAtTheEnd) {
    double value = 40.0;  // the engine never clamps; only the interface has a range
    int writes = 0;
    SettingSlider slider("Mouse Speed", "cursorarrow.motionlines", bindTo(value, &writes), {3, 25});
    EXPECT_EQ(slider.slider()->value(), SettingSlider::kSteps);
    EXPECT_EQ(slider.valueLabel()->text(), "40.0");
    EXPECT_EQ(writes, 0);
    EXPECT_DOUBLE_EQ(value, 40.0);
}

TEST(ToggleRow, TwoWayBinding) {
    bool on = false;
    int writes = 0;
    ToggleRow row("Natural Scrolling", "arrow.up.arrow.down",
                  {[&on] { return on; },
                   [&](bool v) {
                       on = v;
                       ++writes;
                   }});
    EXPECT_FALSE(row.switchButton()->isChecked());
    row.switchButton()->click();
    EXPECT_TRUE(on);
    EXPECT_EQ(writes, 1);
    on = false;
    row.refresh();
    EXPECT_FALSE(row.switchButton()->isChecked());
    EXPECT_EQ(writes, 1);
}

TEST(CardSection, ResetButtonOnlyWithAResetAction) {
    int resets = 0;
    CardSection withReset("Settings", "slider.horizontal.3", [&] { ++resets; });
    ASSERT_NE(withReset.resetButton(), nullptr);
    withReset.resetButton()->click();
    EXPECT_EQ(resets, 1);
    CardSection without("Behavior", "gear");
    EXPECT_EQ(without.resetButton(), nullptr);
}

TEST(StickView, DotFollowsTheStickWithYUpward) {
    StickView view("Mouse", "computermouse.fill");
    view.setState(1.0f, 0.0f, false);
    EXPECT_EQ(view.picture()->dotOffset(), QPointF(19, 0));
    view.setState(-0.5f, 1.0f, false);
    EXPECT_EQ(view.picture()->dotOffset(), QPointF(-9.5, -19));
    EXPECT_EQ(view.symbol()->symbolColor(), colors::secondary());
    view.setState(0, 0, true);
    EXPECT_TRUE(view.picture()->isDragging());
    EXPECT_EQ(view.symbol()->symbolColor(), colors::orange());
    EXPECT_EQ(view.label()->palette().color(QPalette::WindowText), colors::orange());
}

TEST(BatteryBadge, ShowsSymbolPercentAndColour) {
    BatteryBadge badge;
    badge.setBattery(0.05f, BatteryState::charging);
    EXPECT_EQ(badge.symbol()->symbolName(), "battery.0");
    EXPECT_EQ(badge.symbol()->symbolColor(), colors::green());
    EXPECT_EQ(badge.percent()->text(), "5%");
    badge.setBattery(0.2f, BatteryState::discharging);
    EXPECT_EQ(badge.symbol()->symbolName(), "battery.25");
    EXPECT_EQ(badge.symbol()->symbolColor(), colors::red());
    EXPECT_EQ(badge.percent()->palette().color(QPalette::WindowText), colors::red());
    EXPECT_EQ(badge.percent()->text(), "20%");
}

}  // namespace
}  // namespace joyvane::ui
