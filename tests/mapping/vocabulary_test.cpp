#include <gtest/gtest.h>

#include <set>
#include <string>
#include <unordered_set>

#include "mapping/button_action.h"
#include "mapping/button_id.h"
#include "mapping/maps.h"

namespace joyvane {
namespace {

TEST(Vocabulary, EveryCaseRoundTripsAndNamesAreDistinct) {
    std::set<std::string_view> raws, shorts;
    for (ButtonID id : allButtonIDs) {
        EXPECT_EQ(buttonIDFromRawValue(rawValue(id)), id);
        EXPECT_EQ(buttonIDFromCaseName(caseName(id)), id);
        raws.insert(rawValue(id));
        shorts.insert(shortName(id));
    }
    for (ButtonAction action : allButtonActions) {
        EXPECT_EQ(buttonActionFromRawValue(rawValue(action)), action);
        EXPECT_EQ(buttonActionFromCaseName(caseName(action)), action);
        raws.insert(rawValue(action));
    }
    EXPECT_EQ(raws.size(), allButtonIDs.size() + allButtonActions.size());
    EXPECT_EQ(shorts.size(), allButtonIDs.size());
}

TEST(Vocabulary, DisplayNamesFollowTheLanguageAndShowNoOtherDesktopsKeys) {
    EXPECT_EQ(displayName(ButtonAction::cmdCopy, true), "העתק Ctrl+C");
    EXPECT_EQ(displayName(ButtonAction::cmdCopy, false), "Copy Ctrl+C");
    for (ButtonAction action : allButtonActions) {
        for (bool hebrew : {true, false}) {
            for (const char* symbol : {"⌘", "⌃", "⇧", "⇥"}) {
                EXPECT_EQ(displayName(action, hebrew).find(symbol), std::string_view::npos)
                    << caseName(action);
            }
        }
    }
}

TEST(DefaultMaps, CombosAreOrderedPairsAndMissingEntriesCountAsNone) {
    const ComboMap& combos = defaultComboMap();
    EXPECT_EQ(actionFor(combos, ComboID{ButtonID::l2, ButtonID::r2}), ButtonAction::screenshot);
    EXPECT_EQ(actionFor(combos, ComboID{ButtonID::r2, ButtonID::l2}), ButtonAction::none);
    EXPECT_EQ(actionFor(ButtonMap{}, ButtonID::cross), ButtonAction::none);
    std::unordered_set<ComboID> keys{{ButtonID::l2, ButtonID::r2}, {ButtonID::r2, ButtonID::l2}};
    EXPECT_EQ(keys.size(), 2u);
}

}  // namespace
}  // namespace joyvane
