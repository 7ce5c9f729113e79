#include "simtool/numbers.h"

#include <gtest/gtest.h>

namespace joyvane::simtool {
namespace {

TEST(Numbers, ReadsPlainDecimalAndExponentForms) {
    EXPECT_EQ(parseDouble("-0.5"), -0.5);
    EXPECT_EQ(parseDouble("1e-3"), 1e-3);
    EXPECT_EQ(parseDouble("20.1"), 20.1);
    EXPECT_EQ(parseInt("4242"), 4242);
}

TEST(Numbers, FloatsAreReadAsFloatsNotNarrowedDoubles) {
    EXPECT_EQ(parseFloat("0.1"), 0.1f);
    EXPECT_EQ(parseFloat("-0.12"), -0.12f);
}

TEST(Numbers, RefusesAnythingButOneWholeFiniteNumber) {
    for (const char* word : {"", "nan", "NaN", "-nan", "inf", "-inf", "infinity", "1e400", "+1",
                             "0x10", "1.5abc", "1s", " 1", "1 ", "1,5", "--1", "."}) {
        EXPECT_FALSE(parseDouble(word)) << word;
        EXPECT_FALSE(parseFloat(word)) << word;
    }
    EXPECT_FALSE(parseFloat("1e39")) << "beyond the float range";
    EXPECT_FALSE(parseInt("1.5"));
    EXPECT_FALSE(parseInt("99999999999"));
}

TEST(Numbers, BooleansAreTheWordsTrueAndFalseOnly) {
    EXPECT_EQ(parseBool("true"), true);
    EXPECT_EQ(parseBool("false"), false);
    EXPECT_FALSE(parseBool("True"));
    EXPECT_FALSE(parseBool("1"));
    EXPECT_FALSE(parseBool("yes"));
}

}  // namespace
}  // namespace joyvane::simtool
