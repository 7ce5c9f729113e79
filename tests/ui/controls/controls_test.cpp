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

TEST(SettingSlider, OutOfRangeValueKeepsItsNumberAndPutsTheHandleAtTheEnd) {
    double value = 40.0;  // the engine never clamps; only the interface has a range
    int writes = 0;
    SettingSlider slider("Mouse Speed", "cursorarrow.motionlines", bindTo(value, &writes), {3, 25});
    EXPECT_EQ(slider.slider()->value(), SettingSlider::kSteps);
    EXPECT_EQ(slider.valueLabel()->text(), "40.0");
    EXPECT_EQ(writes, 0);
    EXPECT_DOUBLE_EQ(value, 40.0);
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

}  // namespace
}  // namespace joyvane::ui
