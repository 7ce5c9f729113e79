#include <gtest/gtest.h>

#include <unordered_set>

#include "mapping/maps.h"

namespace joyvane {
namespace {

TEST(DefaultMaps, ButtonMapHasOneEntryPerButton) {
    const ButtonMap& map = defaultButtonMap();
    EXPECT_EQ(map.size(), allButtonIDs.size());
    EXPECT_EQ(actionFor(map, ButtonID::cross), ButtonAction::leftClick);
    EXPECT_EQ(actionFor(map, ButtonID::triangle), ButtonAction::toggleEnable);
    EXPECT_EQ(actionFor(map, ButtonID::l1), ButtonAction::spaceLeft);
    EXPECT_EQ(actionFor(map, ButtonID::l2), ButtonAction::spaceRight);
    EXPECT_EQ(actionFor(map, ButtonID::options), ButtonAction::toggleEnable);
    for (ButtonID unmapped : {ButtonID::r1, ButtonID::r2, ButtonID::share, ButtonID::touchpad}) {
        ASSERT_TRUE(map.contains(unmapped));
        EXPECT_EQ(map.at(unmapped), ButtonAction::none);
    }
}

TEST(DefaultMaps, MissingEntriesCountAsNone) {
    EXPECT_EQ(actionFor(ButtonMap{}, ButtonID::cross), ButtonAction::none);
    EXPECT_EQ(actionFor(ComboMap{}, ComboID{ButtonID::l2, ButtonID::r2}), ButtonAction::none);
}

TEST(DefaultMaps, CombosAreOrderedPairs) {
    const ComboMap& combos = defaultComboMap();
    EXPECT_EQ(combos.size(), 1u);
    EXPECT_EQ(actionFor(combos, ComboID{ButtonID::l2, ButtonID::r2}), ButtonAction::screenshot);
    EXPECT_EQ(actionFor(combos, ComboID{ButtonID::r2, ButtonID::l2}), ButtonAction::none);

    std::unordered_set<ComboID> keys{{ButtonID::l2, ButtonID::r2}, {ButtonID::r2, ButtonID::l2}};
    EXPECT_EQ(keys.size(), 2u);
    EXPECT_NE((ComboID{ButtonID::l2, ButtonID::r2}), (ComboID{ButtonID::r2, ButtonID::l2}));
}

}  // namespace
}  // namespace joyvane
