#pragma once

#include <array>
#include <map>

#include "mapping/button_action.h"
#include "mapping/button_id.h"
#include "mapping/combo_id.h"

namespace joyvane {

// A missing entry counts as ButtonAction::none.
using ButtonMap = std::map<ButtonID, ButtonAction>;
using ComboMap = std::map<ComboID, ButtonAction>;

const ButtonMap& defaultButtonMap();
const ComboMap& defaultComboMap();
// The combos the combos tab offers, in order.
const std::array<ComboID, 6>& availableCombos();

ButtonAction actionFor(const ButtonMap& map, ButtonID id);
ButtonAction actionFor(const ComboMap& map, ComboID id);

}  // namespace joyvane
