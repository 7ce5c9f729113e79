#include "engine/stick_response.h"

#include <gtest/gtest.h>

namespace joyvane {
namespace {

// The defaults of the settings panel, narrowed as the loop narrows them.
StickSettings defaults() {
    return {static_cast<float>(0.12), static_cast<float>(10.0), static_cast<float>(1.6),
            static_cast<float>(4.0), false};
}

TEST(PointerResponse, FollowsTheWorkedTableOfTheDefaults) {
    struct Row {
        float stickX;
        float dx;
    };
    for (Row row : {Row{1.0f, 10.0f}, Row{0.5f, 2.61f}, Row{0.2f, 0.22f}}) {
        SCOPED_TRACE(row.stickX);
        auto motion = pointerMotion(row.stickX, 0.0f, defaults());
        ASSERT_TRUE(motion);
        EXPECT_NEAR(motion->x, row.dx, 0.005);
        EXPECT_EQ(motion->y, 0.0f);
    }
    EXPECT_NEAR(rescaleAxis(0.5f, 0.12f), 0.43f, 0.005);
    EXPECT_NEAR(rescaleAxis(0.2f, 0.12f), 0.09f, 0.005);
}

TEST(PointerResponse, TheDeadZoneIsSquareAndItsBoundaryDoesNotMove) {
    EXPECT_FALSE(pointerMotion(0.12f, 0.0f, defaults()));
    EXPECT_FALSE(pointerMotion(0.0f, -0.12f, defaults()));
    // Both axes inside: no move, although the vector is longer than the dead zone.
    EXPECT_FALSE(pointerMotion(0.11f, 0.11f, defaults()));
    auto justOutside = pointerMotion(0.121f, 0.0f, defaults());
    ASSERT_TRUE(justOutside);
    EXPECT_GT(justOutside->x, 0.0f);
    EXPECT_LT(justOutside->x, 0.01f);
    auto negative = pointerMotion(-0.5f, 0.0f, defaults());
    ASSERT_TRUE(negative);
    EXPECT_NEAR(negative->x, -2.61f, 0.005);
}

TEST(PointerResponse, ADiagonalMovesEachAxisAsFarAsAStraightPush) {
    auto straight = pointerMotion(0.8f, 0.0f, defaults());
    auto diagonal = pointerMotion(0.8f, 0.8f, defaults());
    ASSERT_TRUE(straight && diagonal);
    EXPECT_EQ(diagonal->x, straight->x);
    // Stick up is pointer up: y grows downwards on the screen.
    EXPECT_EQ(diagonal->y, -straight->x);
    // The curve follows the larger axis: the smaller one scales linearly with it.
    auto uneven = pointerMotion(0.8f, 0.4f, defaults());
    ASSERT_TRUE(uneven);
    EXPECT_EQ(uneven->x, straight->x);
    EXPECT_NEAR(-uneven->y / uneven->x, rescaleAxis(0.4f, 0.12f) / rescaleAxis(0.8f, 0.12f), 1e-6);
}

TEST(PointerResponse, AccelerationOneIsLinear) {
    StickSettings linear = defaults();
    linear.acceleration = 1.0f;
    for (float x : {0.2f, 0.5f, 0.9f, 1.0f}) {
        auto motion = pointerMotion(x, 0.0f, linear);
        ASSERT_TRUE(motion);
        EXPECT_FLOAT_EQ(motion->x, rescaleAxis(x, 0.12f) * 10.0f);
    }
}

TEST(ScrollResponse, FollowsTheWorkedTableAndIsLinear) {
    struct Row {
        float stickY;
        float vertical;
    };
    for (Row row : {Row{1.0f, 4.0f}, Row{0.5f, 1.73f}, Row{0.2f, 0.36f}}) {
        SCOPED_TRACE(row.stickY);
        auto wheel = scrollMotion(0.0f, row.stickY, defaults());
        ASSERT_TRUE(wheel);
        EXPECT_NEAR(wheel->y, row.vertical, 0.005);
        EXPECT_EQ(wheel->x, 0.0f);
    }
    EXPECT_FALSE(scrollMotion(0.12f, -0.12f, defaults()));
}

TEST(ScrollResponse, NaturalScrollingInvertsBothDirections) {
    auto plain = scrollMotion(0.5f, 1.0f, defaults());
    ASSERT_TRUE(plain);
    EXPECT_GT(plain->y, 0.0f);
    EXPECT_GT(plain->x, 0.0f);
    StickSettings natural = defaults();
    natural.naturalScrolling = true;
    auto inverted = scrollMotion(0.5f, 1.0f, natural);
    ASSERT_TRUE(inverted);
    EXPECT_EQ(inverted->y, -plain->y);
    EXPECT_EQ(inverted->x, -plain->x);
}

}  // namespace
}  // namespace joyvane
