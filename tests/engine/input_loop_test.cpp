#include <cmath>
#include <limits>

#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using InputLoop = EngineTest;

TEST_F(InputLoop, FullRightPushMovesTenPointsEveryTick) {
    start();
    auto pad = connect();
    pad->setLeftStick(1.0f, 0.0f);
    runTicks(3);
    auto moved = warps();
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_EQ(moved[0].position, (Point{730, 450}));
    EXPECT_EQ(moved[2].position, (Point{750, 450}));
    for (const auto& event : mouseEvents()) {
        EXPECT_EQ(event.type, MouseEventType::mouseMoved);
        EXPECT_EQ(event.deltaX, 10);
        EXPECT_EQ(event.deltaY, 0);
    }
    EXPECT_TRUE(scrolls().empty());
}

TEST_F(InputLoop, RightStickPostsTheWheelValuesOfTheWorkedTable) {
    start();
    auto pad = connect();
    for (float y : {1.0f, 0.5f, 0.2f}) {
        pad->setRightStick(0.0f, y);
        runTicks(1);
    }
    auto posted = scrolls();
    ASSERT_EQ(posted.size(), 3u);
    EXPECT_EQ(posted[0].wheel1, -16);
    EXPECT_EQ(posted[1].wheel1, -6);
    EXPECT_EQ(posted[2].wheel1, -1);
    engine->naturalScrolling = true;
    runTicks(1);
    EXPECT_EQ(scrolls().back().wheel1, 1);
    EXPECT_TRUE(warps().empty());
}

TEST_F(InputLoop, SettingsAreReadAtEveryTick) {
    start();
    auto pad = connect();
    pad->setLeftStick(1.0f, 0.0f);
    engine->sensitivity = 25.0;
    runTicks(1);
    EXPECT_EQ(warps().back().position.x, 745);
    // Outside the interface's range the value is used as it is.
    engine->sensitivity = 40.0;
    runTicks(1);
    EXPECT_EQ(warps().back().position.x, 785);
}

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

TEST_F(InputLoop, VisibleKeyboardTakesTheRawLeftStickAndNothingIsPosted) {
    start();
    auto pad = connect();
    openKeyboard();
    engine->setEnabled(false);
    sim.log.clear();
    // Inside the pointer's dead zone, but the keyboard gets the raw value.
    pad->setLeftStick(0.0f, 0.0f);
    runTicks(1);
    pad->setLeftStick(0.4f, 0.0f);
    pad->setRightStick(0.0f, 1.0f);
    runTicks(1);
    EXPECT_EQ(keyboard.cursorCol.get(), 5);
    EXPECT_EQ(keyboard.movePhase, MovePhase::firstMove);
    EXPECT_TRUE(warps().empty());
    EXPECT_TRUE(scrolls().empty());

    engine->setEnabled(true);
    pad->setLeftStick(0.0f, -0.4f);  // down: rows count downwards
    runTicks(1);
    EXPECT_EQ(keyboard.cursorRow.get(), 2);
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
