#include <gtest/gtest.h>

#include <unordered_set>

#include "mapping/maps.h"

namespace joyvane {
namespace {

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
