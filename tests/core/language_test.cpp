#include <gtest/gtest.h>

#include "core/language.h"

namespace joyvane {
namespace {

TEST(Language, TheFirstPreferredLanguageDecidesCaseSensitively) {
    EXPECT_TRUE(isHebrew(std::vector<std::string>{"he"}));
    EXPECT_TRUE(isHebrew(std::vector<std::string>{"he-IL"}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{"en-US", "he-IL"}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{"HE-IL"}));
    EXPECT_FALSE(isHebrew(std::vector<std::string>{"iw"}));
}

}  // namespace
}  // namespace joyvane
