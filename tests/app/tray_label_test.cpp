#include "app/tray_label.h"

#include <gtest/gtest.h>

#include <QImage>

namespace joyvane::app {
namespace {

struct LabelCase {
    const char* name;
    TrayState state;
    TrayLabel expected;
};

TEST(TrayLabel, FollowsConnectionControlAndBattery) {
    using S = BatteryState;
    const LabelCase cases[] = {
        {"no controller", {false, true, S::charging, 0.5f}, {"gamecontroller", false, "", 0.4}},
        {"connected, control off",
         {true, false, S::discharging, 0.8f},
         {"gamecontroller", false, "80%", 1.0}},
        {"connected, control on",
         {true, true, S::discharging, 0.8f},
         {"gamecontroller.fill", false, "80%", 1.0}},
        {"charging at 0.5",
         {true, true, S::charging, 0.5f},
         {"gamecontroller.fill", true, "50%", 1.0}},
        {"no level",
         {true, true, std::nullopt, std::nullopt},
         {"gamecontroller.fill", false, "", 1.0}},
        {"no level, charging",
         {true, true, S::charging, std::nullopt},
         {"gamecontroller.fill", true, "", 1.0}},
        {"full shows no bolt",
         {true, true, S::full, 1.0f},
         {"gamecontroller.fill", false, "100%", 1.0}},
        {"0.999 reads 99%",
         {true, true, S::discharging, 0.999f},
         {"gamecontroller.fill", false, "99%", 1.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TrayLabel label = trayLabelFor(c.state);
        EXPECT_EQ(label.controllerSymbol, c.expected.controllerSymbol);
        EXPECT_EQ(label.bolt, c.expected.bolt);
        EXPECT_EQ(label.percent, c.expected.percent);
        EXPECT_DOUBLE_EQ(label.opacity, c.expected.opacity);
    }
}

int maxAlpha(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            most = std::max(most, qAlpha(image.pixel(x, y)));
        }
    }
    return most;
}

TEST(TrayLabel, DrawnDimmedWhileDisconnected) {
    const QPixmap dim = renderTrayLabel(trayLabelFor({false, true, {}, {}}), 64);
    const QPixmap full = renderTrayLabel(trayLabelFor({true, true, {}, {}}), 64);
    EXPECT_EQ(dim.size(), QSize(64, 64));
    EXPECT_EQ(maxAlpha(full), 255);
    EXPECT_NEAR(maxAlpha(dim), 102, 3);  // 40 %
}

// A Hebrew tooltip starts with a right-to-left mark, so the Latin name does not flip the line.
TEST(TrayLabel, HebrewToolTipReadsRightToLeft) {
    EXPECT_EQ(trayToolTip({false, true, {}, {}}, true),
              QString::fromUtf8("\u200FJoyvane\nאין שלט מחובר"));
}

}  // namespace
}  // namespace joyvane::app
