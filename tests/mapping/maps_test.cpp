#include <gtest/gtest.h>

#include <unordered_set>

#include "mapping/maps.h"

namespace joyvane {
namespace {

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
