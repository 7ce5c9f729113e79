#include "engine_fixture.h"

namespace joyvane::test {
namespace {

class Battery : public EngineTest {
  protected:
    std::shared_ptr<sim::SimController> pad;

    void SetUp() override {
        start();
        sim::SimControllerSpec spec;
        spec.battery = BatteryReading{0.5f, BatteryState::discharging};
        pad = connect(spec);
    }
    void setLevel(float level, BatteryState state = BatteryState::discharging) {
        pad->setBattery(BatteryReading{level, state});
    }
    std::vector<float> historyLevels() const {
        std::vector<float> levels;
        for (const auto& entry : engine->batteryHistory.get()) {
            levels.push_back(entry.level);
        }
        return levels;
    }
};

TEST_F(Battery, TheTickCountRunsOnAcrossADetachAndNothingIsReadWithoutAController) {
    runTicks(200);
    disconnect(pad);
    runTicks(1000);  // no loop, no counting
    EXPECT_EQ(engine->batteryTickCount(), 200);
    engine->refreshBattery();  // no controller: nothing to read
    EXPECT_TRUE(engine->batteryHistory->empty());
    sim.controllers.connect(pad);
    sim.scheduler.runQueued();
    runTicks(99);
    EXPECT_FALSE(engine->batteryLevel.get());
    runTicks(1);
    EXPECT_EQ(engine->batteryLevel.get(), 0.5f);
}

TEST_F(Battery, TheHistoryKeepsTheLatestTwentyOldestFirst) {
    std::vector<float> expected;
    for (int i = 1; i <= 25; ++i) {
        float level = static_cast<float>(i) / 100.0f;
        setLevel(level);
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
    EXPECT_EQ(engine->batteryHistory->back().time, 1.5);
    int stateNotices = 0;
    auto s = engine->batteryState.willChange.connect(
        [&](const std::optional<BatteryState>&) { ++stateNotices; });
    engine->refreshBattery();
    EXPECT_EQ(stateNotices, 1);
}

}  // namespace
}  // namespace joyvane::test
