// The application shell on the offscreen platform: the tray, the drop-down panel and the
// start-up sequence.
#include <QImage>
#include <QTest>
#include <algorithm>

#include "../ui/ui_fixture.h"
#include "app/panel_host.h"
#include "app/startup.h"
#include "app/tray_item.h"
#include "app/tray_label.h"

namespace joyvane::app {
namespace {

// The label follows connection, control and battery, and is drawn at 40 % while disconnected.
TEST(TrayLabel, FollowsConnectionControlAndBattery) {
    using S = BatteryState;
    const struct {
        TrayState state;
        TrayLabel expected;
    } cases[] = {
        {{false, true, S::charging, 0.5f}, {"gamecontroller", false, "", 0.4}},
        {{true, false, S::discharging, 0.8f}, {"gamecontroller", false, "80%", 1.0}},
        {{true, true, S::charging, 0.5f}, {"gamecontroller.fill", true, "50%", 1.0}},
        {{true, true, S::charging, std::nullopt}, {"gamecontroller.fill", true, "", 1.0}},
        {{true, true, S::full, 1.0f}, {"gamecontroller.fill", false, "100%", 1.0}},
    };
    for (const auto& [state, expected] : cases) {
        const TrayLabel label = trayLabelFor(state);
        EXPECT_TRUE(label == expected) << label.controllerSymbol << " " << label.bolt << " "
                                       << label.percent << " " << label.opacity;
        const QImage alpha =
            renderTrayLabel(label, 64).toImage().convertToFormat(QImage::Format_Alpha8);
        EXPECT_NEAR(*std::max_element(alpha.constBits(), alpha.constBits() + alpha.sizeInBytes()),
                    255 * expected.opacity, 3);
    }
}

// The offscreen platform has no tray at all: after the grace period the program is told once
// to show its window instead.
TEST(TrayItem, WithoutATrayHostItAsksForTheWindowOnce) {
    ui::test::UiEngine engine;
    int noTray = 0;
    TrayItem tray(engine.manager, engine.sim.languages, {{}, [&] { ++noTray; }, {}});
    tray.start();
    QTest::qWait(TrayItem::kGraceMs - 500);
    EXPECT_EQ(noTray, 0);
    QTest::qWait(1000 + TrayItem::kWatchMs);
    EXPECT_EQ(noTray, 1);
}

// Trust is asked for at once; onboarding shows half a second later unless the flag says it was
// seen by then (the flag is read when the check runs, not at launch).
TEST(Startup, AsksForTrustAtOnceAndShowsOnboardingHalfASecondLater) {
    for (const bool seenMeanwhile : {false, true}) {
        SCOPED_TRACE(seenMeanwhile);
        sim::SimPlatform sim;
        int onboardingShown = 0;
        const auto check = runStartupSequence(sim.accessibility, sim.scheduler, sim.defaults,
                                              [&] { ++onboardingShown; });
        EXPECT_EQ(sim.log.all<sim::PromptCall>().size(), 1u);
        sim.scheduler.advanceTo(0.499);
        EXPECT_EQ(onboardingShown, 0);
        sim.defaults.setBool("hasSeenOnboarding", seenMeanwhile);
        sim.scheduler.advanceTo(0.5);
        EXPECT_EQ(onboardingShown, seenMeanwhile ? 0 : 1);
        sim.scheduler.advanceBy(10);
        EXPECT_EQ(onboardingShown, seenMeanwhile ? 0 : 1);
    }
}

const QSize kPanel(390, 620);

// Below an icon in the top half, above one in the bottom half, centred on it, and always on the
// icon's screen (the top-left part of a screen smaller than the panel).
TEST(DropDownGeometry, HangsFromTheIconAndStaysOnItsScreen) {
    const QRect screen(0, 0, 1440, 900);
    struct Case {
        QRect icon;
        QRect screen;
        QPoint topLeft;
    };
    const Case cases[] = {
        {{700, 0, 24, 24}, screen, {711 - 195, 24 + 4}},
        {{1416, 0, 24, 24}, screen, {1440 - 390, 28}},
        {{10, 876, 24, 24}, screen, {0, 876 - 4 - 620}},
        {{2700, 500, 1, 1}, {1440, 0, 1280, 1024}, {2720 - 390, 1024 - 620}},
        {{290, 0, 10, 10}, {0, 0, 300, 400}, {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dropDownGeometry(c.icon, c.screen, kPanel), QRect(c.topLeft, kPanel))
            << c.icon.x();
    }
}

TEST(PanelHost, AClickThatJustClosedItDoesNotReopenAndWindowModeIsAnOrdinaryWindow) {
    auto* panel = new QWidget;  // the host owns it
    panel->setFixedSize(kPanel);
    PanelHost host(panel);
    const QRect anchor(700, 0, 24, 24);
    host.toggleAt(anchor);
    EXPECT_TRUE(host.isVisible());
    host.hide();  // as a click elsewhere does
    host.toggleAt(anchor);
    EXPECT_FALSE(host.isVisible());

    host.setWindowMode(true);
    EXPECT_TRUE(host.isVisible());
    EXPECT_FALSE(host.windowFlags().testFlag(Qt::Popup));
    host.setWindowMode(false);
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.windowFlags() & Qt::WindowType_Mask, Qt::Popup);
}

}  // namespace
}  // namespace joyvane::app
