#include "simtool/numbers.h"

#include <gtest/gtest.h>

namespace joyvane::simtool {
namespace {

TEST(Numbers, RefusesAnythingButOneWholeFiniteNumber) {
    EXPECT_EQ(parseDouble("1e-3"), 1e-3);
    EXPECT_EQ(parseFloat("-0.12"), -0.12f);
    for (const char* word : {"", "nan", "-nan", "inf", "infinity", "1e400", "+1", "0x10", "1.5abc",
                             " 1", "1 ", "1,5", "--1", "."}) {
        EXPECT_FALSE(parseDouble(word)) << word;
        EXPECT_FALSE(parseFloat(word)) << word;
    }
    EXPECT_FALSE(parseFloat("1e39")) << "beyond the float range";
    EXPECT_FALSE(parseInt("1.5"));
    EXPECT_FALSE(parseInt("99999999999"));
    EXPECT_FALSE(parseBool("True"));
}

}  // namespace
}  // namespace joyvane::simtool
