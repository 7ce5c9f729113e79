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
    auto a = engine->leftX.willChange.connect([&](float) { ++leftXNotices; });
    runTicks(10);
    pad->setLeftStick(0.3f, 0.0f);
    runTicks(10);
    EXPECT_EQ(leftXNotices, 1);
}

// Mended: non-finite stick values and settings reached the pointer.
TEST_F(InputLoop, NonFiniteStickValuesAndSettingsNeverMoveThePointer) {
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

    engine->sensitivity = std::numeric_limits<double>::infinity();
    pad->setLeftStick(1.0f, 0.0f);
    runTicks(2);
    EXPECT_TRUE(warps().empty());
}

}  // namespace
}  // namespace joyvane::test
