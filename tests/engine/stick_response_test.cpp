#include "engine/stick_response.h"

#include <gtest/gtest.h>

namespace joyvane {
namespace {

// The defaults of the settings panel, narrowed as the loop narrows them.
StickSettings defaults() {
    return {static_cast<float>(0.12), static_cast<float>(10.0), static_cast<float>(1.6),
            static_cast<float>(4.0), false};
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

}  // namespace
}  // namespace joyvane
