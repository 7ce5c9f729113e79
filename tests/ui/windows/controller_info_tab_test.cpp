#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <chrono>
#include <thread>

#include "ui/controls/reading_direction.h"
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

// The bands themselves are tested with the battery formatting; here, that the card uses them.
TEST_F(ControllerInfoTest, PercentIsTruncatedAndColoured) {
    auto tab = makeTab();
    setReading(0.509f, BatteryState::discharging);
    EXPECT_FALSE(shown(tab->noDataLabel(), tab.get()));
    EXPECT_EQ(tab->percentLabel()->text(), "50%");
    EXPECT_EQ(tab->percentLabel()->palette().color(QPalette::WindowText), colors::orange());
    EXPECT_EQ(tab->levelBar()->fillColor(), colors::orange());
    EXPECT_EQ(tab->stateLabel()->text(), "Discharging");
    setReading(0.01f, BatteryState::charging);
    EXPECT_EQ(tab->levelBar()->fillColor(), colors::red());
    EXPECT_DOUBLE_EQ(tab->levelBar()->targetFillWidth(), 4.0);
    EXPECT_EQ(tab->stateLabel()->text(), "Charging");
}

TEST_F(ControllerInfoTest, LevelBarEasesToTheNewWidth) {
    auto tab = makeTab();
    tab->show();
    setReading(0.2f, BatteryState::discharging);
    QTest::qWait(500);
    EXPECT_DOUBLE_EQ(tab->levelBar()->currentFillWidth(), 48.0);
    setReading(0.7f, BatteryState::discharging);
    QTest::qWait(100);
    double midway = tab->levelBar()->currentFillWidth();
    EXPECT_GT(midway, 48.0);
    EXPECT_LT(midway, 168.0);
    QTest::qWait(450);
    EXPECT_DOUBLE_EQ(tab->levelBar()->currentFillWidth(), 168.0);
}

TEST_F(ControllerInfoTest, ChartNeedsTwoReadings) {
    auto tab = makeTab();
    mgr.batteryHistory = {{0, 0.5f}};
    setReading(0.5f, BatteryState::discharging);
    EXPECT_FALSE(shown(tab->sparkline(), tab.get()));
    mgr.batteryHistory = {{0, 0.5f}, {60, 0.4f}};
    settle();
    EXPECT_TRUE(shown(tab->sparkline(), tab.get()));
    EXPECT_EQ(tab->sparkline()->history().size(), 2u);
    EXPECT_EQ(tab->sparkline()->size(), QSize(240, 28));
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

TEST_F(ControllerInfoTest, FirmwarePresentIsShownInHebrewToo) {
    hebrew();
    hid->addDevice(
        1356, HidDevice{{{"VersionNumber", std::int64_t{0}}, {"bcdDevice", std::int64_t{256}}}});
    auto tab = makeTab();
    EXPECT_EQ(tab->firmwareValue()->text(), rightToLeft(QString::fromUtf8("בודק...")));
    tab->show();
    waitForFirmware(*tab, rightToLeft(QString::fromUtf8("בודק...")));
    EXPECT_EQ(tab->firmwareValue()->text(), "256");
}

TEST_F(ControllerInfoTest, ControllerCardAndUpdateLink) {
    mgr.controllerName = "DualSense Wireless Controller";
    mgr.isConnected = true;
    auto tab = makeTab();
    EXPECT_EQ(tab->modelValue()->text(), "DualSense Wireless Controller");
    EXPECT_EQ(tab->connectionValue()->text(), "Connected");
    mgr.isConnected = false;
    settle();
    EXPECT_EQ(tab->connectionValue()->text(), "Disconnected");
    tab->updateButton()->click();
    auto opened = sim.log.all<sim::OpenURLCall>();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].url, kDualSenseFirmwareUpdateURL);
}

}  // namespace
}  // namespace joyvane::ui
