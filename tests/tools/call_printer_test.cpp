#include "simtool/call_printer.h"

#include <gtest/gtest.h>

#include "simtool/text_format.h"

namespace joyvane::simtool {
namespace {

// The scenario outputs show every kind of line; here, the values they seldom meet.
TEST(CallPrinter, NoNegativeZeroAndShortestNumbers) {
    EXPECT_EQ(formatCall({0, sim::WarpCall{{-0.0, 0.004}}}), "0.0000 warp 0.00 0.00");
    EXPECT_EQ(shortestText(0.1f + 0.2f), "0.3");
    EXPECT_EQ(shortestText(0.1 + 0.2), "0.30000000000000004");
}

TEST(TextFormat, Utf8OfUtf16KeepsPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(utf8FromUtf16(u"a\u05D0\U0001F600"), "a\u05D0\U0001F600");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\uFFFDx");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xDC00))), "\uFFFD");
}

}  // namespace
}  // namespace joyvane::simtool
