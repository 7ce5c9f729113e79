#include <gtest/gtest.h>

#include "keyboard/text_roles.h"
#include "keyboard_test_support.h"

namespace joyvane {
namespace {

FocusedElement element(std::string role, std::vector<std::string> children = {}) {
    return FocusedElement{std::move(role), std::move(children)};
}

TEST(TextRolesTest, FiveRolesAreTextFieldsByThemselves) {
    for (const char* role :
         {"AXTextField", "AXTextArea", "AXSearchField", "AXComboBox", "AXSecureTextField"}) {
        EXPECT_TRUE(isTextFieldElement(element(role))) << role;
    }
    for (const char* role : {"AXButton", "AXStaticText", "", "axtextfield", "AXTextField "}) {
        EXPECT_FALSE(isTextFieldElement(element(role, {"AXTextField"}))) << role;
    }
}

TEST(TextRolesTest, WebAreaAndGroupNeedATextFieldAmongTheirFirstThirtyChildren) {
    std::vector<std::string> thirtyOthers(30, "AXStaticText");
    std::vector<std::string> fieldAtThirty = thirtyOthers;
    fieldAtThirty.push_back("AXTextField");
    std::vector<std::string> fieldAtTwentyNine = thirtyOthers;
    fieldAtTwentyNine[29] = "AXSearchField";

    for (const char* role : {"AXWebArea", "AXGroup"}) {
        EXPECT_FALSE(isTextFieldElement(element(role))) << role;
        EXPECT_FALSE(isTextFieldElement(element(role, thirtyOthers))) << role;
        EXPECT_FALSE(isTextFieldElement(element(role, fieldAtThirty))) << role;
        EXPECT_FALSE(isTextFieldElement(element(role, {"AXGroup", "AXWebArea"}))) << role;
        EXPECT_TRUE(isTextFieldElement(element(role, fieldAtTwentyNine))) << role;
        EXPECT_TRUE(isTextFieldElement(element(role, {"AXButton", "AXTextArea"}))) << role;
    }
}

}  // namespace
}  // namespace joyvane
