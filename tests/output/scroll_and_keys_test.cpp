#include <cstdint>
#include <limits>

#include "mouse_fixture.h"
#include "output/saturating_truncate.h"

namespace joyvane::test {
namespace {

ScrollEvent wheels(std::int32_t wheel1, std::int32_t wheel2) {
    ScrollEvent event;
    event.source = EventSourceState::hidSystem;
    event.wheel1 = wheel1;
    event.wheel2 = wheel2;
    event.wheel3 = 0;
    return event;
}

// Scaling, direction and truncation towards zero are in the pointer_and_scroll scenario.
TEST_F(MouseTest, ScrollWheelsSaturateInsteadOfOverflowing) {
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    mouse.scroll(1e12, -1e12);
    mouse.scroll(-std::numeric_limits<double>::infinity(),
                 std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(scrollEvents(), (std::vector<ScrollEvent>{wheels(max, max), wheels(0, min)}));
}

// Shift and Command around a key are in the key_actions scenario; here, all four modifiers.
TEST_F(MouseTest, SendKeyPressesModifiersAroundTheKeyInAFixedOrder) {
    mouse.sendKey(0, 0x1E0000);  // all four: Control, Shift, Command, Option down; reverse up
    EXPECT_EQ(keyEvents(), (std::vector<KeyEvent>{key(59, true), key(56, true), key(55, true),
                                                  key(58, true), key(0, true, 0x1E0000),
                                                  key(0, false, 0x1E0000), key(58, false),
                                                  key(55, false), key(56, false), key(59, false)}));
}

TEST_F(MouseTest, SendKeySkipsOnlyTheEventThatCannotBeMade) {
    sim.poster.failNextEvents(1);
    mouse.sendKey(20, 0x120000);
    EXPECT_EQ(keyEvents(),
              (std::vector<KeyEvent>{key(55, true), key(20, true, 0x120000),
                                     key(20, false, 0x120000), key(55, false), key(56, false)}));
}

// Truncation towards zero inside the range is in the pointer tests and the pointer_and_scroll
// scenario.
TEST(SaturatingTruncate, ClampsAtTheExactEdgesOfBothWidths) {
    using I32 = std::numeric_limits<std::int32_t>;
    using I64 = std::numeric_limits<std::int64_t>;
    EXPECT_EQ(saturatingTruncate<std::int32_t>(2147483647.9), I32::max());
    EXPECT_EQ(saturatingTruncate<std::int32_t>(2147483648.0), I32::max());
    EXPECT_EQ(saturatingTruncate<std::int32_t>(-2147483648.9), I32::min());
    // 2^63 is the first double beyond int64; the largest double below it still fits.
    EXPECT_EQ(saturatingTruncate<std::int64_t>(9223372036854775808.0), I64::max());
    EXPECT_EQ(saturatingTruncate<std::int64_t>(9223372036854774784.0), 9223372036854774784LL);
    EXPECT_EQ(saturatingTruncate<std::int64_t>(-9223372036854775808.0), I64::min());
    EXPECT_EQ(saturatingTruncate<std::int64_t>(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace joyvane::test
