#include <gtest/gtest.h>

#include "core/language.h"

namespace joyvane {
namespace {

TEST(Language, FirstPreferredLanguageDecides) {
    EXPECT_TRUE(isHebrew(std::vector<std::string>{"he"}));
    EXPECT_TRUE(isHebrew(std::vector<std::string>{"he-IL"}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{"en-US", "he-IL"}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{}));
}

TEST(Language, PrefixTestIsCaseSensitive) {
    EXPECT_FALSE(isHebrew(std::vector<std::string>{"HE-IL"}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{"iw"}));
}

TEST(Language, SourceIsConsultedOnEveryCall) {
    FixedLanguages languages({"en"});
    EXPECT_FALSE(isHebrew(languages));
    languages.setLanguages({"he-IL"});
    EXPECT_TRUE(isHebrew(languages));
}

}  // namespace
}  // namespace joyvane
