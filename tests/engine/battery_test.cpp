#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// Polling, unchanged readings and a disconnect are in the battery_polling scenario.
class Battery : public EngineTest {
  protected:
    std::shared_ptr<sim::SimController> pad;

    void SetUp() override {
        start();
        sim::SimControllerSpec spec;
        spec.battery = BatteryReading{0.5f, BatteryState::discharging};
        pad = connect(spec);
    }
    std::vector<float> historyLevels() const {
        std::vector<float> levels;
        for (const auto& entry : engine->batteryHistory.get()) {
            levels.push_back(entry.level);
        }
        return levels;
    }
};

TEST_F(Battery, TheHistoryKeepsTheLatestTwentyOldestFirst) {
    std::vector<float> expected;
    for (int i = 1; i <= 25; ++i) {
        float level = static_cast<float>(i) / 100.0f;
        pad->setBattery(BatteryReading{level, BatteryState::discharging});
        if (i % 2 == 0) {
            engine->refreshBattery();
        } else {
            runTicks(300);
        }
        if (i > 5) {
            expected.push_back(level);
        }
    }
    EXPECT_EQ(historyLevels(), expected);
}

TEST_F(Battery, RefreshAlwaysRecords) {
    sim.scheduler.advanceTo(1.0);
    engine->refreshBattery();
    sim.scheduler.advanceTo(1.5);
    engine->refreshBattery();
    EXPECT_EQ(historyLevels(), (std::vector{0.5f, 0.5f}));
    EXPECT_EQ(engine->batteryLastUpdated.get(), 1.5);
    int stateNotices = 0;
    auto s = engine->batteryState.willChange.connect(
        [&](const std::optional<BatteryState>&) { ++stateNotices; });
    engine->refreshBattery();
    EXPECT_EQ(stateNotices, 1);
}

}  // namespace
}  // namespace joyvane::test
