#include <gtest/gtest.h>

#include <set>
#include <string>

#include "mapping/button_action.h"
#include "mapping/button_id.h"

namespace joyvane {
namespace {

TEST(ButtonIDVocabulary, EveryCaseRoundTripsAndNamesAreDistinct) {
    std::set<std::string_view> raws, shorts, cases;
    for (ButtonID id : allButtonIDs) {
        EXPECT_EQ(buttonIDFromRawValue(rawValue(id)), id);
        EXPECT_EQ(buttonIDFromCaseName(caseName(id)), id);
        EXPECT_FALSE(icon(id).empty());
        raws.insert(rawValue(id));
        shorts.insert(shortName(id));
        cases.insert(caseName(id));
    }
    EXPECT_EQ(raws.size(), 11u);
    EXPECT_EQ(shorts.size(), 11u);
    EXPECT_EQ(cases.size(), 11u);
    EXPECT_EQ(shortName(ButtonID::cross), "\xE2\x9C\x95");
}

TEST(ButtonActionVocabulary, EveryCaseRoundTripsInOrder) {
    ASSERT_EQ(allButtonActions.size(), 21u);
    std::set<std::string_view> raws, englishLabels;
    for (std::size_t i = 0; i < allButtonActions.size(); ++i) {
        ButtonAction action = allButtonActions[i];
        EXPECT_EQ(static_cast<std::size_t>(action), i);
        EXPECT_EQ(buttonActionFromRawValue(rawValue(action)), action);
        EXPECT_EQ(buttonActionFromCaseName(caseName(action)), action);
        EXPECT_FALSE(icon(action).empty());
        raws.insert(rawValue(action));
        englishLabels.insert(englishLabel(action));
    }
    EXPECT_EQ(raws.size(), 21u);
    EXPECT_EQ(englishLabels.size(), 21u);
    EXPECT_EQ(caseName(ButtonAction::deleteKey), "delete");
    EXPECT_EQ(buttonActionFromCaseName("deleteKey"), std::nullopt);
}

TEST(ButtonActionVocabulary, DisplayNameFollowsTheInterfaceLanguage) {
    EXPECT_EQ(displayName(ButtonAction::cmdCopy, true), "העתק Ctrl+C");
    EXPECT_EQ(displayName(ButtonAction::cmdCopy, false), "Copy Ctrl+C");
    EXPECT_EQ(displayName(ButtonAction::toggleEnable, true), "הפעל / כבה");
    EXPECT_EQ(displayName(ButtonAction::toggleEnable, false), "Enable / Disable");
    EXPECT_EQ(displayName(ButtonAction::spaceLeft, true), "מרחב עבודה קודם Ctrl+Alt+←");
    EXPECT_EQ(displayName(ButtonAction::spaceRight, false), "Next Workspace Ctrl+Alt+→");
    EXPECT_EQ(displayName(ButtonAction::cmdTab, false), "Switch App Alt+Tab");
    EXPECT_EQ(displayName(ButtonAction::missionCtrl, false), "Overview Super");
    EXPECT_EQ(displayName(ButtonAction::screenshot, true), "צילום מסך Print");
    // No label shows the other desktop's key symbols.
    for (ButtonAction action : allButtonActions) {
        for (bool hebrew : {true, false}) {
            for (const char* symbol : {"⌘", "⌃", "⇧", "⇥"}) {
                EXPECT_EQ(displayName(action, hebrew).find(symbol), std::string_view::npos)
                    << caseName(action);
            }
        }
    }
    for (ButtonAction same : {ButtonAction::escape, ButtonAction::enter, ButtonAction::space,
                              ButtonAction::tab, ButtonAction::deleteKey}) {
        EXPECT_EQ(displayName(same, true), displayName(same, false)) << caseName(same);
    }
}

}  // namespace
}  // namespace joyvane
