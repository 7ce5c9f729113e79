#include "simtool/tokenizer.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace joyvane::simtool
