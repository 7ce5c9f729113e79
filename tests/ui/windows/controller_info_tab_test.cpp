#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <chrono>
#include <thread>

#include "ui/controls/style.h"
#include "ui/windows/battery_widgets.h"
#include "ui/windows/controller_info_tab.h"
#include "window_test_support.h"

namespace joyvane::ui {
namespace {

class ControllerInfoTest : public test::WindowTest {
  protected:
    std::shared_ptr<sim::SimHidRegistry> hid = std::make_shared<sim::SimHidRegistry>();

    std::unique_ptr<ControllerInfoTab> makeTab() {
        auto tab = std::make_unique<ControllerInfoTab>(mgr, sim.languages, sim.workspace, hid,
                                                       sim.scheduler);
        settle();
        return tab;
    }
    void setReading(float level, BatteryState state) {
        mgr.batteryLevel = level;
        mgr.batteryState = state;
        mgr.batteryLastUpdated = sim.scheduler.now();
        settle();
    }
    // Runs the main queue until the background firmware read has reported.
    void waitForFirmware(const ControllerInfoTab& tab, const QString& checking) {
        for (int i = 0; i < 400 && tab.firmwareVersion() == checking; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            sim.scheduler.runQueued();
        }
        settle();
    }
    static bool shown(QWidget* part, QWidget* tab) { return part->isVisibleTo(tab); }
};

TEST_F(ControllerInfoTest, NoLevelShowsOnlyTheNoDataText) {
    auto tab = makeTab();
    EXPECT_TRUE(shown(tab->noDataLabel(), tab.get()));
    EXPECT_EQ(tab->noDataLabel()->text(), "No data — connect a controller");
    EXPECT_FALSE(shown(tab->percentLabel(), tab.get()));
    EXPECT_FALSE(shown(tab->refreshButton(), tab.get()));
}

TEST_F(ControllerInfoTest, UpdatedTextIsTheAgeWhenDrawn) {
    auto tab = makeTab();
    setReading(0.6f, BatteryState::full);
    EXPECT_EQ(tab->updatedLabel()->text(), "Updated just now");
    sim.scheduler.advanceBy(75);
    mgr.batteryState = BatteryState::full;  // any change redraws the card
    settle();
    EXPECT_EQ(tab->updatedLabel()->text(), "Updated 1m ago");
}

TEST_F(ControllerInfoTest, RefreshIsDisabledForEightTenthsOfASecond) {
    auto tab = makeTab();
    setReading(0.6f, BatteryState::discharging);
    ASSERT_TRUE(tab->refreshButton()->isEnabled());
    tab->refreshButton()->click();
    EXPECT_TRUE(tab->isRefreshing());
    EXPECT_FALSE(tab->refreshButton()->isEnabled());
    EXPECT_TRUE(shown(tab->refreshSpinner(), tab.get()));
    sim.scheduler.advanceBy(0.79);
    EXPECT_FALSE(tab->refreshButton()->isEnabled());
    sim.scheduler.advanceBy(0.02);
    EXPECT_FALSE(tab->isRefreshing());
    EXPECT_TRUE(tab->refreshButton()->isEnabled());
    EXPECT_FALSE(shown(tab->refreshSpinner(), tab.get()));
}

TEST_F(ControllerInfoTest, FirmwareAbsentReadsNotAvailable) {
    auto tab = makeTab();
    EXPECT_EQ(tab->firmwareValue()->text(), "Checking...");
    tab->show();  // appearing starts the read
    waitForFirmware(*tab, "Checking...");
    EXPECT_EQ(tab->firmwareValue()->text(), "N/A");
}

}  // namespace
}  // namespace joyvane::ui
