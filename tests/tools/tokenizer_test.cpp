#include "simtool/tokenizer.h"

#include <gtest/gtest.h>

namespace joyvane::simtool {
namespace {

using Words = std::vector<std::string>;

TEST(Tokenizer, SplitsOnSpacesAndTabsAndDropsComments) {
    EXPECT_EQ(splitWords("  stick\tleft  1 0   # push right").words,
              (Words{"stick", "left", "1", "0"}));
    EXPECT_EQ(splitWords("at 1#glued comment").words, (Words{"at", "1"}));
    EXPECT_TRUE(splitWords("# only a comment").words.empty());
    EXPECT_TRUE(splitWords("   ").words.empty());
}

TEST(Tokenizer, QuotedWordsKeepSpacesAndHashes) {
    LineWords line = splitWords(R"(controller pad category "Dual Sense #2" vendor "")");
    ASSERT_TRUE(line.ok());
    EXPECT_EQ(line.words, (Words{"controller", "pad", "category", "Dual Sense #2", "vendor", ""}));
}

TEST(Tokenizer, IgnoresTheCarriageReturnOfWindowsLineEnds) {
    EXPECT_EQ(splitWords("wait 1\r").words, (Words{"wait", "1"}));
}

TEST(Tokenizer, RefusesMalformedQuotes) {
    EXPECT_EQ(splitWords(R"(vendor "Sony)").error, "missing closing quote");
    EXPECT_EQ(splitWords(R"(vendor "Sony"x)").error, "a closing quote must end its word");
    EXPECT_EQ(splitWords(R"(vendor So"ny")").error, "a quote inside a word");
}

}  // namespace
}  // namespace joyvane::simtool
