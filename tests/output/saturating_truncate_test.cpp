#include "output/saturating_truncate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace joyvane {
namespace {

// Truncation towards zero inside the range is in the scroll and pointer tests.
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
}  // namespace joyvane
