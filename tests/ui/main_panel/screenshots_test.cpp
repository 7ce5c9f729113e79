#include <QDir>
#include <QPixmap>
#include <QScrollArea>

#include "panel_fixture.h"
#include "ui/controls/symbol_button.h"
#include "ui/main_panel/accessibility_banner.h"

namespace joyvane::ui::test {
namespace {

// Writes the panel as it shows (390 × 620) and its whole scrolling column, for a person to
// look at.
class Screenshots : public PanelTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override { sim.languages.setLanguages({GetParam()}); }

    void shoot(const QString& state) {
        settle();
        view->show();
        settle();
        const QString dir = QStringLiteral(JOYVANE_SCREENSHOT_DIR);
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString base = dir + QLatin1Char('/') + state + QLatin1Char('-') +
                             QString::fromLatin1(GetParam()).left(2);
        const QPixmap panel = view->grab();
        EXPECT_EQ(panel.size(), QSize(390, 620));
        EXPECT_TRUE(panel.save(base + QStringLiteral(".png")));
        EXPECT_TRUE(view->scrollArea()->widget()->grab().save(base + QStringLiteral("-full.png")));
    }
};

TEST_P(Screenshots, NoController) {
    startPanel();
    shoot(QStringLiteral("no-controller"));
}

TEST_P(Screenshots, DualSenseCharging) {
    startPanel();
    auto controller = connect(dualSense(BatteryReading{0.62f, BatteryState::charging}));
    manager->refreshBattery();
    controller->setLeftStick(0.6f, 0.4f);
    controller->setRightStick(-0.3f, -0.8f);
    sim.scheduler.advanceBy(0.02);
    shoot(QStringLiteral("dualsense"));
}

TEST_P(Screenshots, PausedWithKeyboardShown) {
    startPanel();
    connect(dualShock4());
    manager->setEnabled(false);
    keyboard.toggle();
    shoot(QStringLiteral("paused-keyboard"));
}

TEST_P(Screenshots, AccessibilityMissing) {
    sim.accessibility.setTrusted(false);
    startPanel();
    shoot(QStringLiteral("accessibility-steps"));
    view->banner()->grantButton()->click();
    shoot(QStringLiteral("accessibility-waiting"));
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshots, ::testing::Values("en-US", "he-IL"),
                         [](const auto& info) {
                             return std::string(info.param).substr(0, 2) == "he" ? "Hebrew"
                                                                                 : "English";
                         });

}  // namespace
}  // namespace joyvane::ui::test
