#include "engine/settings_document.h"

#include <charconv>
#include <optional>

#include "engine/controller_manager.h"
#include "mapping/encoding.h"
#include "mapping/json_text.h"

namespace joyvane {

namespace {

constexpr int kVersion = 1;

// The numeric settings with the ranges their sliders offer; a value outside is a fault.
struct NumberField {
    const char* key;
    double SettingsRecord::*field;
    double lowest;
    double highest;
};
constexpr NumberField kNumbers[] = {
    {"sensitivity", &SettingsRecord::sensitivity, 3, 25},
    {"scrollSensitivity", &SettingsRecord::scrollSensitivity, 1, 12},
    {"deadzone", &SettingsRecord::deadzone, 0.05, 0.4},
    {"acceleration", &SettingsRecord::acceleration, 1, 3},
    {"touchpadSensitivity", &SettingsRecord::touchpadSensitivity, 100, 700},
};

struct BoolField {
    const char* key;
    bool SettingsRecord::*field;
};
constexpr BoolField kBools[] = {
    {"naturalScrolling", &SettingsRecord::naturalScrolling},
    {"touchpadEnabled", &SettingsRecord::touchpadEnabled},
    {"autoEnableOnConnect", &SettingsRecord::autoEnableOnConnect},
    {"keyboardFeatureEnabled", &SettingsRecord::keyboardFeatureEnabled},
};

// The shortest text that reads back as the same double.
std::string number(double value) {
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : "0";
}

const JsonValue* member(const JsonValue& object, std::string_view key) {
    const JsonValue* found = nullptr;
    for (const auto& [name, value] : object.members) {
        if (name == key) {
            found = &value;  // the last one written wins, as in most readers
        }
    }
    return found;
}

// Each entry of the button map whose button and action are both known replaces the default.
bool decodeButtonMap(const JsonValue& value, ButtonMap& map) {
    if (value.kind != JsonValue::Kind::object) {
        return false;
    }
    bool allValid = true;
    for (const auto& [key, action] : value.members) {
        std::optional<ButtonID> id = buttonIDFromRawValue(key);
        std::optional<ButtonAction> decoded = decodeButtonAction(action.text);
        if (id && decoded) {
            map[*id] = *decoded;
        } else {
            allValid = false;
        }
    }
    return allValid;
}

// The combo map is what the file lists; a known combo with an unknown action keeps its default.
bool decodeComboMap(const JsonValue& value, ComboMap& map) {
    if (value.kind != JsonValue::Kind::array) {
        return false;
    }
    ComboMap defaults = std::move(map);
    map.clear();
    bool allValid = value.items.size() % 2 == 0;
    for (std::size_t i = 0; i + 1 < value.items.size(); i += 2) {
        std::optional<ComboID> combo = decodeComboID(value.items[i].text);
        std::optional<ButtonAction> action = decodeButtonAction(value.items[i + 1].text);
        if (combo && action) {
            map[*combo] = *action;
            continue;
        }
        allValid = false;
        if (combo && defaults.contains(*combo)) {
            map[*combo] = defaults.at(*combo);
        }
    }
    return allValid;
}

}  // namespace

SettingsRecord recordOf(const ControllerManager& manager) {
    return {manager.sensitivity.get(),
            manager.scrollSensitivity.get(),
            manager.deadzone.get(),
            manager.acceleration.get(),
            manager.naturalScrolling.get(),
            manager.touchpadEnabled.get(),
            manager.touchpadSensitivity.get(),
            manager.autoEnableOnConnect.get(),
            manager.keyboardFeatureEnabled().get(),
            manager.buttonMap.get(),
            manager.comboMap.get()};
}

void apply(const SettingsRecord& record, ControllerManager& manager) {
    auto assign = [](auto& published, const auto& value) {
        if (published.get() != value) {
            published = value;
        }
    };
    assign(manager.sensitivity, record.sensitivity);
    assign(manager.scrollSensitivity, record.scrollSensitivity);
    assign(manager.deadzone, record.deadzone);
    assign(manager.acceleration, record.acceleration);
    assign(manager.naturalScrolling, record.naturalScrolling);
    assign(manager.touchpadEnabled, record.touchpadEnabled);
    assign(manager.touchpadSensitivity, record.touchpadSensitivity);
    assign(manager.autoEnableOnConnect, record.autoEnableOnConnect);
    assign(manager.buttonMap, record.buttonMap);
    assign(manager.comboMap, record.comboMap);
    if (manager.keyboardFeatureEnabled().get() != record.keyboardFeatureEnabled) {
        manager.setKeyboardFeatureEnabled(record.keyboardFeatureEnabled);
    }
}

std::string encodeSettings(const SettingsRecord& record) {
    std::string out = "{\n  \"version\": " + std::to_string(kVersion);
    for (const NumberField& f : kNumbers) {
        out += ",\n  " + jsonQuote(f.key) + ": " + number(record.*f.field);
    }
    for (const BoolField& f : kBools) {
        out += ",\n  " + jsonQuote(f.key) + ": " + (record.*f.field ? "true" : "false");
    }
    out += ",\n  \"buttonMap\": {";
    const char* separator = "";
    for (const auto& [id, action] : record.buttonMap) {
        out += separator + jsonQuote(rawValue(id)) + ": " + encode(action);
        separator = ", ";
    }
    out += "},\n  \"comboMap\": [";
    separator = "";
    for (const auto& [combo, action] : record.comboMap) {
        out += separator + encode(combo) + ", " + encode(action);
        separator = ", ";
    }
    out += "]\n}\n";
    return out;
}

DecodedSettings decodeSettings(std::string_view document) {
    DecodedSettings result;
    std::optional<JsonValue> root = parseJson(document);
    if (!root || root->kind != JsonValue::Kind::object) {
        result.faults.push_back("not a JSON object");
        return result;
    }
    SettingsRecord& record = result.record;
    for (const NumberField& f : kNumbers) {
        if (const JsonValue* value = member(*root, f.key)) {
            bool fits = value->kind == JsonValue::Kind::number && value->number >= f.lowest &&
                        value->number <= f.highest;
            if (fits) {
                record.*f.field = value->number;
            } else {
                result.faults.push_back(std::string(f.key) + " is not a number from " +
                                        number(f.lowest) + " to " + number(f.highest));
            }
        }
    }
    for (const BoolField& f : kBools) {
        if (const JsonValue* value = member(*root, f.key)) {
            if (value->kind == JsonValue::Kind::boolean) {
                record.*f.field = value->boolean;
            } else {
                result.faults.push_back(std::string(f.key) + " is not true or false");
            }
        }
    }
    const JsonValue* buttons = member(*root, "buttonMap");
    if (buttons && !decodeButtonMap(*buttons, record.buttonMap)) {
        result.faults.push_back("buttonMap has an unknown button or action");
    }
    const JsonValue* combos = member(*root, "comboMap");
    if (combos && !decodeComboMap(*combos, record.comboMap)) {
        result.faults.push_back("comboMap has an unknown combo or action");
    }
    return result;
}

}  // namespace joyvane
