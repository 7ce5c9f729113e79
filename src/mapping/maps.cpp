#include "mapping/maps.h"

namespace joyvane {

const ButtonMap& defaultButtonMap() {
    static const ButtonMap map = {
        {ButtonID::cross, ButtonAction::leftClick},
        {ButtonID::circle, ButtonAction::rightClick},
        {ButtonID::square, ButtonAction::middleClick},
        {ButtonID::triangle, ButtonAction::toggleEnable},
        {ButtonID::l1, ButtonAction::spaceLeft},
        {ButtonID::r1, ButtonAction::none},
        {ButtonID::l2, ButtonAction::spaceRight},
        {ButtonID::r2, ButtonAction::none},
        {ButtonID::options, ButtonAction::toggleEnable},
        {ButtonID::share, ButtonAction::none},
        {ButtonID::touchpad, ButtonAction::none},
    };
    return map;
}

const ComboMap& defaultComboMap() {
    static const ComboMap map = {
        {ComboID{ButtonID::l2, ButtonID::r2}, ButtonAction::screenshot},
    };
    return map;
}

const std::array<ComboID, 6>& availableCombos() {
    static const std::array<ComboID, 6> combos = {{
        {ButtonID::l1, ButtonID::r1},
        {ButtonID::l2, ButtonID::r2},
        {ButtonID::l1, ButtonID::cross},
        {ButtonID::l1, ButtonID::circle},
        {ButtonID::cross, ButtonID::circle},
        {ButtonID::options, ButtonID::cross},
    }};
    return combos;
}

ButtonAction actionFor(const ButtonMap& map, ButtonID id) {
    auto it = map.find(id);
    return it == map.end() ? ButtonAction::none : it->second;
}

ButtonAction actionFor(const ComboMap& map, ComboID id) {
    auto it = map.find(id);
    return it == map.end() ? ButtonAction::none : it->second;
}

}  // namespace joyvane
