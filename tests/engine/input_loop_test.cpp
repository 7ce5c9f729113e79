#include <cmath>
#include <limits>

#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using InputLoop = EngineTest;

TEST_F(InputLoop, StickFieldsArePublishedOnlyWhenTheyChange) {
    start();
    auto pad = connect();
    int leftXNotices = 0;
    int rightYNotices = 0;
    auto a = engine->leftX.willChange.connect([&](float) { ++leftXNotices; });
    auto b = engine->rightY.willChange.connect([&](float) { ++rightYNotices; });
    runTicks(10);
    EXPECT_EQ(leftXNotices, 0);
    pad->setLeftStick(0.3f, 0.0f);
    runTicks(10);
    EXPECT_EQ(leftXNotices, 1);
    EXPECT_EQ(engine->leftX.get(), 0.3f);
    EXPECT_EQ(rightYNotices, 0);
}

TEST_F(InputLoop, ControlOffStillPublishesAndPollsButPostsNothing) {
    start();
    sim::SimControllerSpec spec;
    spec.battery = BatteryReading{0.8f, BatteryState::discharging};
    auto pad = connect(spec);
    engine->setEnabled(false);
    pad->setLeftStick(1.0f, 1.0f);
    pad->setRightStick(1.0f, 1.0f);
    runTicks(300);
    EXPECT_EQ(engine->leftX.get(), 1.0f);
    EXPECT_EQ(engine->rightY.get(), 1.0f);
    EXPECT_EQ(engine->batteryLevel.get(), 0.8f);
    EXPECT_TRUE(warps().empty());
    EXPECT_TRUE(scrolls().empty());
}

TEST_F(InputLoop, NonFiniteStickValuesReadAsCentred) {
    start();
    auto pad = connect();
    float nan = std::numeric_limits<float>::quiet_NaN();
    float inf = std::numeric_limits<float>::infinity();
    pad->setLeftStick(nan, inf);
    pad->setRightStick(-inf, nan);
    int notices = 0;
    auto s = engine->leftX.willChange.connect([&](float) { ++notices; });
    runTicks(5);
    EXPECT_TRUE(warps().empty());
    EXPECT_TRUE(scrolls().empty());
    EXPECT_EQ(engine->leftX.get(), 0.0f);
    EXPECT_EQ(notices, 0);
}

TEST_F(InputLoop, ExtremeSettingsNeverPostNonFiniteMotion) {
    start();
    auto pad = connect();
    engine->sensitivity = std::numeric_limits<double>::infinity();
    pad->setLeftStick(1.0f, 0.0f);
    runTicks(2);
    EXPECT_TRUE(warps().empty());
}

TEST_F(InputLoop, AttachingAgainReplacesTheLoopAndADisconnectStopsIt) {
    start();
    auto pad = connect();
    engine->attach(pad);
    sim.scheduler.runQueued();
    pad->setLeftStick(1.0f, 0.0f);
    runTicks(4);
    EXPECT_EQ(warps().size(), 4u);
    disconnect(pad);
    EXPECT_FALSE(engine->isLoopRunning());
    runTicks(4);
    EXPECT_EQ(warps().size(), 4u);
}

}  // namespace
}  // namespace joyvane::test
