#include "simtool/field_printer.h"

#include <optional>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "simtool/text_format.h"

namespace joyvane::simtool {

namespace {

std::string text(bool value) {
    return value ? "true" : "false";
}
std::string text(float value) {
    return shortestText(value);
}
std::string text(double value) {
    return shortestText(value);
}
std::string text(int value) {
    return std::to_string(value);
}
std::string text(std::int64_t value) {
    return std::to_string(value);
}
std::string text(const std::string& value) {
    return "\"" + value + "\"";
}
std::string text(ButtonID id) {
    return std::string(caseName(id));
}
std::string text(ButtonAction action) {
    return std::string(caseName(action));
}

std::string text(ControllerType type) {
    switch (type) {
        case ControllerType::none:
            return "none";
        case ControllerType::dualShock4:
            return "dualShock4";
        case ControllerType::dualSense:
            return "dualSense";
        case ControllerType::generic:
            return "generic";
    }
    return "?";
}

std::string text(BatteryState state) {
    switch (state) {
        case BatteryState::unknown:
            return "unknown";
        case BatteryState::discharging:
            return "discharging";
        case BatteryState::charging:
            return "charging";
        case BatteryState::full:
            return "full";
    }
    return "?";
}

std::string text(KeyboardLayout layout) {
    switch (layout) {
        case KeyboardLayout::latin:
            return "latin";
        case KeyboardLayout::hebrew:
            return "hebrew";
        case KeyboardLayout::symbols:
            return "symbols";
    }
    return "?";
}

std::string text(MovePhase phase) {
    switch (phase) {
        case MovePhase::idle:
            return "idle";
        case MovePhase::firstMove:
            return "firstMove";
        case MovePhase::repeating:
            return "repeating";
    }
    return "?";
}

std::string text(const ComboID& combo) {
    return text(combo.a) + "+" + text(combo.b);
}
std::string text(const BatteryHistoryEntry& entry) {
    return text(entry.time) + ":" + text(entry.level);
}

template <typename T>
std::string text(const std::optional<T>& value) {
    return value ? text(*value) : "nil";
}

// Joins the items' texts between the brackets.
template <typename Range, typename Item>
std::string joined(const Range& range, const char* open, const char* close, Item item) {
    std::string out = open;
    bool first = true;
    for (const auto& element : range) {
        if (!first) {
            out += ",";
        }
        first = false;
        out += item(element);
    }
    return out + close;
}

template <typename Map>
std::string mapText(const Map& map) {
    return joined(map, "{", "}",
                  [](const auto& entry) { return text(entry.first) + ":" + text(entry.second); });
}

template <typename List>
std::string listText(const List& list) {
    return joined(list, "[", "]", [](const auto& item) { return text(item); });
}

}  // namespace

std::string formatField(Field field, const ControllerManager& e, const PSKeyboardController& k) {
    switch (field) {
        case Field::isConnected:
            return text(e.isConnected.get());
        case Field::controllerName:
            return text(e.controllerName.get());
        case Field::controllerType:
            return text(e.controllerType.get());
        case Field::isEnabled:
            return text(e.isEnabled().get());
        case Field::accessibility:
            return text(e.accessibility.get());
        case Field::hasTouchpad:
            return text(e.hasTouchpad.get());
        case Field::sensitivity:
            return text(e.sensitivity.get());
        case Field::scrollSensitivity:
            return text(e.scrollSensitivity.get());
        case Field::deadzone:
            return text(e.deadzone.get());
        case Field::acceleration:
            return text(e.acceleration.get());
        case Field::naturalScrolling:
            return text(e.naturalScrolling.get());
        case Field::touchpadEnabled:
            return text(e.touchpadEnabled.get());
        case Field::touchpadSensitivity:
            return text(e.touchpadSensitivity.get());
        case Field::autoEnableOnConnect:
            return text(e.autoEnableOnConnect.get());
        case Field::launchAtLogin:
            return text(e.launchAtLogin.get());
        case Field::keyboardFeatureEnabled:
            return text(e.keyboardFeatureEnabled().get());
        case Field::buttonMap:
            return mapText(e.buttonMap.get());
        case Field::batteryLevel:
            return text(e.batteryLevel.get());
        case Field::batteryState:
            return text(e.batteryState.get());
        case Field::batteryHistory:
            return listText(e.batteryHistory.get());
        case Field::batteryLastUpdated:
            return text(e.batteryLastUpdated.get());
        case Field::comboMap:
            return mapText(e.comboMap.get());
        case Field::leftX:
            return text(e.leftX.get());
        case Field::leftY:
            return text(e.leftY.get());
        case Field::rightX:
            return text(e.rightX.get());
        case Field::rightY:
            return text(e.rightY.get());
        case Field::heldButtons:
            return listText(e.heldButtons());
        case Field::batteryTickCount:
            return text(e.batteryTickCount());
        case Field::isVisible:
            return text(k.isVisible.get());
        case Field::cursorRow:
            return text(k.cursorRow.get());
        case Field::cursorCol:
            return text(k.cursorCol.get());
        case Field::isUppercase:
            return text(k.isUppercase.get());
        case Field::layout:
            return text(k.layout.get());
        case Field::controllerConnected:
            return text(k.controllerConnected);
        case Field::featureEnabled:
            return text(k.featureEnabled);
        case Field::controllerEnabled:
            return text(k.controllerEnabled);
        case Field::movePhase:
            return text(k.movePhase);
        case Field::userDismissed:
            return text(k.userDismissed);
        case Field::wasInTextField:
            return text(k.wasInTextField);
    }
    return "?";
}

}  // namespace joyvane::simtool
