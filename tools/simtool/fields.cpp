#include "simtool/fields.h"

#include <array>

namespace joyvane::simtool {

namespace {

using K = SettingKind;

constexpr std::array kFields = {
    FieldInfo{Field::isConnected, "isConnected", K::notSetting},
    FieldInfo{Field::controllerName, "controllerName", K::notSetting},
    FieldInfo{Field::controllerType, "controllerType", K::notSetting},
    FieldInfo{Field::isEnabled, "isEnabled", K::boolean},
    FieldInfo{Field::accessibility, "accessibility", K::notSetting},
    FieldInfo{Field::hasTouchpad, "hasTouchpad", K::notSetting},
    FieldInfo{Field::sensitivity, "sensitivity", K::number},
    FieldInfo{Field::scrollSensitivity, "scrollSensitivity", K::number},
    FieldInfo{Field::deadzone, "deadzone", K::number},
    FieldInfo{Field::acceleration, "acceleration", K::number},
    FieldInfo{Field::naturalScrolling, "naturalScrolling", K::boolean},
    FieldInfo{Field::touchpadEnabled, "touchpadEnabled", K::boolean},
    FieldInfo{Field::touchpadSensitivity, "touchpadSensitivity", K::number},
    FieldInfo{Field::autoEnableOnConnect, "autoEnableOnConnect", K::boolean},
    FieldInfo{Field::launchAtLogin, "launchAtLogin", K::boolean},
    FieldInfo{Field::keyboardFeatureEnabled, "keyboardFeatureEnabled", K::boolean},
    FieldInfo{Field::buttonMap, "buttonMap", K::notSetting},
    FieldInfo{Field::batteryLevel, "batteryLevel", K::notSetting},
    FieldInfo{Field::batteryState, "batteryState", K::notSetting},
    FieldInfo{Field::batteryHistory, "batteryHistory", K::notSetting},
    FieldInfo{Field::batteryLastUpdated, "batteryLastUpdated", K::notSetting},
    FieldInfo{Field::comboMap, "comboMap", K::notSetting},
    FieldInfo{Field::leftX, "leftX", K::notSetting},
    FieldInfo{Field::leftY, "leftY", K::notSetting},
    FieldInfo{Field::rightX, "rightX", K::notSetting},
    FieldInfo{Field::rightY, "rightY", K::notSetting},
    FieldInfo{Field::heldButtons, "heldButtons", K::notSetting},
    FieldInfo{Field::batteryTickCount, "batteryTickCount", K::notSetting},
    FieldInfo{Field::isVisible, "isVisible", K::notSetting},
    FieldInfo{Field::cursorRow, "cursorRow", K::notSetting},
    FieldInfo{Field::cursorCol, "cursorCol", K::notSetting},
    FieldInfo{Field::isUppercase, "isUppercase", K::notSetting},
    FieldInfo{Field::layout, "layout", K::notSetting},
    FieldInfo{Field::controllerConnected, "controllerConnected", K::notSetting},
    FieldInfo{Field::featureEnabled, "featureEnabled", K::notSetting},
    FieldInfo{Field::controllerEnabled, "controllerEnabled", K::notSetting},
    FieldInfo{Field::movePhase, "movePhase", K::notSetting},
    FieldInfo{Field::userDismissed, "userDismissed", K::notSetting},
    FieldInfo{Field::wasInTextField, "wasInTextField", K::notSetting},
};

// The table is indexed by Field: each row sits at its enumerator's position.
constexpr bool rowsInFieldOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) {
            return false;
        }
    }
    return static_cast<std::size_t>(Field::wasInTextField) + 1 == kFields.size();
}
static_assert(rowsInFieldOrder());

}  // namespace

std::span<const FieldInfo> allFields() {
    return kFields;
}

std::optional<Field> fieldFromName(std::string_view name) {
    for (const auto& info : kFields) {
        if (info.name == name) {
            return info.field;
        }
    }
    return std::nullopt;
}

const FieldInfo& fieldInfo(Field field) {
    return kFields[static_cast<std::size_t>(field)];
}

}  // namespace joyvane::simtool
