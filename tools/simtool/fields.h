#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace joyvane::simtool {

// The engine and keyboard fields a scenario can print, and the settings it can set.
enum class Field {
    // Engine, published.
    isConnected,
    controllerName,
    controllerType,
    isEnabled,
    accessibility,
    hasTouchpad,
    sensitivity,
    scrollSensitivity,
    deadzone,
    acceleration,
    naturalScrolling,
    touchpadEnabled,
    touchpadSensitivity,
    autoEnableOnConnect,
    launchAtLogin,
    keyboardFeatureEnabled,
    buttonMap,
    batteryLevel,
    batteryState,
    batteryHistory,
    batteryLastUpdated,
    comboMap,
    leftX,
    leftY,
    rightX,
    rightY,
    // Engine, working state.
    heldButtons,
    batteryTickCount,
    // Keyboard, published.
    isVisible,
    cursorRow,
    cursorCol,
    isUppercase,
    layout,
    // Keyboard, working state.
    controllerConnected,
    featureEnabled,
    controllerEnabled,
    movePhase,
    userDismissed,
    wasInTextField,
};

// What `set` accepts for a field.
enum class SettingKind { notSetting, boolean, number };

struct FieldInfo {
    Field field;
    std::string_view name;
    SettingKind setting;
};

std::span<const FieldInfo> allFields();
std::optional<Field> fieldFromName(std::string_view name);
const FieldInfo& fieldInfo(Field field);

}  // namespace joyvane::simtool
