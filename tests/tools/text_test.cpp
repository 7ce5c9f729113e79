#include <gtest/gtest.h>

#include "simtool/call_printer.h"
#include "simtool/numbers.h"
#include "simtool/text_format.h"
#include "simtool/tokenizer.h"

namespace joyvane::simtool {
namespace {

using Words = std::vector<std::string>;

TEST(Tokenizer, SplitsWordsKeepsQuotedTextAndRefusesMalformedQuotes) {
    EXPECT_EQ(splitWords("  stick\tleft  1 0   # push right").words,
              (Words{"stick", "left", "1", "0"}));
    EXPECT_EQ(splitWords("at 1#glued comment").words, (Words{"at", "1"}));
    EXPECT_EQ(splitWords("wait 1\r").words, (Words{"wait", "1"}));
    EXPECT_EQ(splitWords(R"(category "Dual Sense #2" vendor "")").words,
              (Words{"category", "Dual Sense #2", "vendor", ""}));
    EXPECT_EQ(splitWords(R"(vendor "Sony"x)").error, "a closing quote must end its word");
    EXPECT_EQ(splitWords(R"(vendor So"ny")").error, "a quote inside a word");
}

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
